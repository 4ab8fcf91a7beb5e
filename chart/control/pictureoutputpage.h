#pragma once
// The printed page of the chart: the picture stretched into a box in the upper half of the
// printable area, a frame around it and a date-time stamp below its right end. The page's user
// coordinates run from (0, 0) at the top left to (1, 1) at the bottom right of the printable area.
#include <QDateTime>
#include <QLocale>
#include <QRectF>
#include <QSize>
#include <QString>

class QImage;
class QPainter;
class QPrinter;

namespace vexachart {

// Where the picture goes on the page, in page units.
inline constexpr QRectF PagePictureBox{0.1, 0.15, 0.8, 0.43};
inline constexpr double PageStampTop = 0.93;
inline constexpr double PageStampPointSize = 8.0;

// Outer size of the output picture in twips, and its size in pixels at a logical resolution.
inline constexpr QSize OutputPictureTwips{12500, 8500};
QSize outputPictureSize(double logicalDpi);

// "dd.MMM.yyyy / h:mm" with the locale's abbreviated month name.
QString outputStamp(const QDateTime& when, const QLocale& locale);

// Paints the page onto `painter`, whose printable area is `printable` (device units).
void paintOutputPage(QPainter& painter, const QRectF& printable, const QImage& picture, const QString& stamp);

// Prints the page on `printer` and ends the document. Error 482 when the printer cannot be opened.
void printOutputPage(QPrinter& printer, const QImage& picture, const QString& stamp, const QString& source);

} // namespace vexachart
