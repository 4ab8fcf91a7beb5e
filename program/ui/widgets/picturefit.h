#pragma once
// Bild_einpassen: draws a picture into a picture box so that it fits the box with its aspect
// ratio kept, optionally centred, and leaves the drawing as the box's own picture. Pictures are
// bitmaps (series banners, PNG) or SVG drawings; their size is taken in HIMETRIC.
#include <QImage>
#include <QSizeF>
#include <QString>
#include <memory>

class QLabel;
class QPainter;
class QRectF;
class QSvgRenderer;

namespace ui {

class Bild {
public:
    Bild() = default;
    // A bitmap; its size in HIMETRIC from its dots per metre (96 dpi when it has none).
    static Bild ausBild(const QImage& image);
    // An SVG drawing (name ending in ".svg", any case) or a bitmap file, also from the Qt
    // resources. A missing file raises error 53, a file that is no picture error 481.
    static Bild ausDatei(const QString& path);

    bool isNull() const { return m_image.isNull() && !m_svg; }
    QSizeF groesseHimetric() const { return m_himetric; }
    void zeichne(QPainter& painter, const QRectF& target) const;

private:
    QImage m_image;
    std::shared_ptr<QSvgRenderer> m_svg;
    QSizeF m_himetric;
};

// Fits the picture into the box (its contents in pixels at the box's logical dpi), as
// texts::fitRect places it, on a fresh surface of the box's size that becomes the box's pixmap.
// The box's earlier picture is dropped first; a box or picture without area then draws nothing
// and raises nothing, so the box stays empty. The last argument is not used (callers pass 0).
void Bild_einpassen(QLabel& box, const Bild& picture, bool fit, bool centre, int unused = 0);

// Bild_einpassen, and again whenever the box changes its size, from the kept picture, until the
// next call for the same box replaces the picture or Bild_entfernen drops it.
void Bild_einpassen_bleibend(QLabel& box, const Bild& picture, bool fit, bool centre);
// Drops the kept picture and clears the box.
void Bild_entfernen(QLabel& box);

} // namespace ui
