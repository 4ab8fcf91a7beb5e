#include "wp/pictures.h"
#include "common/error.h"
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>
#include <cmath>

namespace wp {

namespace {

constexpr long InvalidPicture = 481;
constexpr double RenderDpi = 200.0;

QByteArray pngBytes(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

[[noreturn]] void invalid(const QString& fileName)
{
    common::raise(InvalidPicture, QStringLiteral("wp.InlineShapes.AddPicture"),
                  QStringLiteral("Invalid picture: %1").arg(fileName));
}

LoadedPicture renderSvg(const QString& fileName, double maxWidthPoints)
{
    QSvgRenderer renderer(fileName);
    if (!renderer.isValid())
        invalid(fileName);
    QSizeF natural = renderer.defaultSize(); // SVG user units, taken as CSS pixels (96 dpi)
    if (natural.isEmpty())
        natural = renderer.viewBoxF().size();
    if (natural.isEmpty())
        invalid(fileName);
    double width = natural.width() * 72.0 / 96.0;
    double height = natural.height() * 72.0 / 96.0;
    if (width > maxWidthPoints) {
        height *= maxWidthPoints / width;
        width = maxWidthPoints;
    }
    // A drawing taller than any page (or with a size that is no number) is no picture to render.
    constexpr double MaxSidePoints = 22 * 72.0;
    if (!(width > 0 && width <= MaxSidePoints && height > 0 && height <= MaxSidePoints))
        invalid(fileName);
    const QSize pixels(std::max(1, int(width / 72.0 * RenderDpi)), std::max(1, int(height / 72.0 * RenderDpi)));
    QImage image(pixels, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    image.setDotsPerMeterX(int(RenderDpi / 0.0254));
    image.setDotsPerMeterY(int(RenderDpi / 0.0254));
    return {Media{pngBytes(image), QStringLiteral("png")}, width, height};
}

} // namespace

LoadedPicture loadPictureFile(const QString& fileName, double maxWidthPoints)
{
    if (!QFileInfo(fileName).isFile())
        common::raise(common::errc::FileNotFound, QStringLiteral("wp.InlineShapes.AddPicture"),
                      QStringLiteral("File not found: %1").arg(fileName));
    if (QFileInfo(fileName).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0)
        return renderSvg(fileName, maxWidthPoints);

    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        invalid(fileName);
    const QByteArray bytes = file.readAll();
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QByteArray format = reader.format().toLower();
    const QImage image = reader.read();
    if (image.isNull())
        invalid(fileName);
    // Files store whole dots per metre, so 96 dpi comes back as 96.012: round to whole dpi.
    const double dpiX = image.dotsPerMeterX() > 0 ? std::max(1.0, std::round(image.dotsPerMeterX() * 0.0254)) : 96.0;
    const double dpiY = image.dotsPerMeterY() > 0 ? std::max(1.0, std::round(image.dotsPerMeterY() * 0.0254)) : 96.0;
    LoadedPicture loaded;
    loaded.widthPoints = image.width() * 72.0 / dpiX;
    loaded.heightPoints = image.height() * 72.0 / dpiY;
    if (format == "png" || format == "gif")
        loaded.media = Media{bytes, QString::fromLatin1(format)};
    else if (format == "jpeg" || format == "jpg")
        loaded.media = Media{bytes, QStringLiteral("jpeg")};
    else
        loaded.media = pictureFromImage(image);
    return loaded;
}

Media pictureFromImage(const QImage& image)
{
    if (image.isNull())
        common::raise(InvalidPicture, QStringLiteral("wp.Selection.Paste"), QStringLiteral("Empty picture"));
    return Media{pngBytes(image), QStringLiteral("png")};
}

} // namespace wp
