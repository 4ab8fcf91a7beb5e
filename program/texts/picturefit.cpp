#include "program/texts/picturefit.h"

#include "common/checked.h"

#include <QRegularExpression>
#include <QXmlStreamReader>
#include <cmath>

namespace texts {

namespace {

// One SVG length in HIMETRIC; empty for percentages and unreadable text.
std::optional<double> lengthHimetric(QStringView text)
{
    static const QRegularExpression form(QStringLiteral("^\\s*([0-9]*\\.?[0-9]+(?:[eE][-+]?[0-9]+)?)\\s*(mm|cm|in|pt|pc|px)?\\s*$"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const double value = m.captured(1).toDouble();
    const QString unit = m.captured(2);
    if (unit == QLatin1String("mm"))
        return value * 100.0;
    if (unit == QLatin1String("cm"))
        return value * 1000.0;
    if (unit == QLatin1String("in"))
        return value * HimetricPerInch;
    if (unit == QLatin1String("pt"))
        return value * HimetricPerInch / 72.0;
    if (unit == QLatin1String("pc"))
        return value * HimetricPerInch / 6.0;
    return value * HimetricPerInch / 96.0; // px or no unit
}

} // namespace

std::optional<QRect> fitRect(int boxWidth, int boxHeight, double pictureWidthHimetric, double pictureHeightHimetric,
                             bool fit, bool centre, double dpiX, double dpiY)
{
    if (boxWidth <= 0 || boxHeight <= 0)
        return std::nullopt;
    const double scaleWidth = boxWidth;
    const double scaleHeight = boxHeight;
    // Ratios are compared in single precision, as the box ratio has always been held.
    const float rB = static_cast<float>(scaleWidth / scaleHeight);
    const qint32 w = common::toInt32((pictureWidthHimetric + PictureMarginHimetric) * dpiX / HimetricPerInch);
    const qint32 h = common::toInt32((pictureHeightHimetric + PictureMarginHimetric) * dpiY / HimetricPerInch);
    if (w <= 0 || h <= 0)
        return std::nullopt;
    const float rP = static_cast<float>(static_cast<double>(w) / h);

    qint32 x = 0, y = 0, W = w, H = h;
    if (fit || h > scaleHeight || w > scaleWidth) {
        if (rP <= rB) {
            W = common::toInt32(w / (h / scaleHeight));
            H = common::toInt32(scaleHeight);
            if (centre)
                x = static_cast<qint32>(std::floor((scaleWidth - W) / 2));
        } else {
            H = common::toInt32(h / (w / scaleWidth));
            W = common::toInt32(scaleWidth);
            if (centre)
                y = static_cast<qint32>(std::floor((scaleHeight - H) / 2));
        }
    } else if (centre) {
        x = static_cast<qint32>(std::floor((scaleWidth - w) / 2));
        y = static_cast<qint32>(std::floor((scaleHeight - h) / 2));
    }
    return QRect(x, y, W, H);
}

std::optional<QSizeF> svgSizeHimetric(const QByteArray& svg)
{
    QXmlStreamReader xml(svg);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() != QLatin1String("svg"))
            return std::nullopt;
        const QXmlStreamAttributes a = xml.attributes();
        const auto width = lengthHimetric(a.value(QLatin1String("width")));
        const auto height = lengthHimetric(a.value(QLatin1String("height")));
        if (width && height)
            return QSizeF(*width, *height);
        const QStringList box = a.value(QLatin1String("viewBox")).toString().split(QRegularExpression(QStringLiteral("[\\s,]+")), Qt::SkipEmptyParts);
        if (box.size() == 4) {
            const auto vw = lengthHimetric(box[2]);
            const auto vh = lengthHimetric(box[3]);
            if (vw && vh)
                return QSizeF(*vw, *vh);
        }
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace texts
