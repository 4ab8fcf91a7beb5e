#pragma once
// Fitting a picture into a picture box: the picture's size (in HIMETRIC, hundredths of a
// millimetre) plus a 2 mm margin each way is scaled to the box with its aspect ratio kept and
// centred in the free direction. The geometry is a plain function; the box painter draws an SVG
// drawing into a QLabel and fits it again when the label changes size.
#include <QObject>
#include <QPointer>
#include <QRect>
#include <memory>

class QLabel;
class QSvgRenderer;

namespace ui {

// Target rectangle of a picture of picW x picH HIMETRIC in a box of boxW x boxH pixels at the
// given logical resolution. An empty rectangle when the box or the picture has no area.
QRect einpassRechteck(int boxW, int boxH, double picW_himetric, double picH_himetric, bool fit, bool centre,
                      double dpi = 96.0);

// Keeps the drawing shown in a label: draws it fitted and centred (fit and centre true) on a white
// surface of the label's size, and again whenever the label is resized.
class ZeichnungsBox final : public QObject {
public:
    explicit ZeichnungsBox(QLabel* box);
    ~ZeichnungsBox() override;

    // Shows the SVG file; false (and the box keeps its picture) when the file does not load.
    bool zeigen(const QString& svgPfad);
    // Removes the picture.
    void leeren();
    bool hatBild() const { return m_renderer != nullptr; }
    // Where the drawing was drawn in the last fitting (label pixels).
    QRect letztesRechteck() const { return m_rechteck; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void einpassen();

    QPointer<QLabel> m_box;
    std::unique_ptr<QSvgRenderer> m_renderer;
    QRect m_rechteck;
};

} // namespace ui
