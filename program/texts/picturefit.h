#pragma once
// Fitting a picture into a picture box while keeping its aspect ratio: where the picture goes
// and how large it is drawn. Sizes of pictures are in HIMETRIC (hundredths of a millimetre), the
// box in pixels. Pure computation, so the rule is tested without a display.
#include <QByteArray>
#include <QRect>
#include <QSizeF>
#include <optional>

namespace texts {

inline constexpr double HimetricPerInch = 2540.0;
// Every picture gets 2 mm of margin in both directions before it is fitted.
inline constexpr double PictureMarginHimetric = 200.0;

// The rectangle in which Bild_einpassen draws the picture inside a box of boxWidth × boxHeight
// pixels at dpiX × dpiY. fit scales a picture that is smaller than the box too; centre centres it
// in the direction with room to spare. Empty when the box or the picture has no area, so nothing
// is drawn (instead of dividing by zero).
std::optional<QRect> fitRect(int boxWidth, int boxHeight, double pictureWidthHimetric, double pictureHeightHimetric,
                             bool fit, bool centre, double dpiX, double dpiY);

// The size of an SVG drawing in HIMETRIC from the width and height of its root element
// (mm, cm, in, pt, pc, or px / no unit at 96 px per inch); the viewBox when they are missing.
// Empty when the data are not SVG or give no size.
std::optional<QSizeF> svgSizeHimetric(const QByteArray& svg);

} // namespace texts
