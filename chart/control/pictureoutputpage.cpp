#include "chart/control/pictureoutputpage.h"
#include "chart/control/exportdialogs.h"
#include "common/error.h"
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <cmath>

namespace vexachart {

QSize outputPictureSize(double logicalDpi)
{
    const double twipsPerPixel = 1440.0 / logicalDpi;
    return {int(std::lround(OutputPictureTwips.width() / twipsPerPixel)),
            int(std::lround(OutputPictureTwips.height() / twipsPerPixel))};
}

QString outputStamp(const QDateTime& when, const QLocale& locale)
{
    return locale.toString(when.date(), QStringLiteral("dd.MMM.yyyy")) + QStringLiteral(" / ") +
           locale.toString(when.time(), QStringLiteral("h:mm"));
}

void paintOutputPage(QPainter& painter, const QRectF& printable, const QImage& picture, const QString& stamp)
{
    auto toDevice = [&](double x, double y) {
        return QPointF(printable.left() + x * printable.width(), printable.top() + y * printable.height());
    };
    const QRectF box(toDevice(PagePictureBox.left(), PagePictureBox.top()),
                     toDevice(PagePictureBox.right(), PagePictureBox.bottom()));
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(box, picture);
    painter.drawLine(box.topLeft(), box.topRight());
    painter.drawLine(box.topRight(), box.bottomRight());
    painter.drawLine(box.bottomRight(), box.bottomLeft());
    painter.drawLine(box.bottomLeft(), box.topLeft());

    QFont font = painter.font();
    font.setPointSizeF(PageStampPointSize);
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    const QPointF stampTopRight = toDevice(PagePictureBox.right(), PageStampTop);
    painter.drawText(QPointF(stampTopRight.x() - metrics.horizontalAdvance(stamp), stampTopRight.y() + metrics.ascent()),
                     stamp);
    painter.restore();
}

void printOutputPage(QPrinter& printer, const QImage& picture, const QString& stamp, const QString& source)
{
    QPainter painter;
    if (!printer.isValid() || !painter.begin(&printer))
        common::raise(outputerr::Printer, source, QStringLiteral("Printer error: no usable printer was found"));
    const QRect paintRect = printer.pageLayout().paintRectPixels(printer.resolution());
    paintOutputPage(painter, QRectF(QPointF(0, 0), QSizeF(paintRect.size())), picture, stamp);
    if (!painter.end())
        common::raise(outputerr::Printer, source, QStringLiteral("Printer error: the page could not be printed"));
}

} // namespace vexachart
