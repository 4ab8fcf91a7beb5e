#include "program/ui/einbau_bild.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <cmath>

namespace ui {

namespace {

// 32-bit conversion of the box arithmetic: halves go to the even neighbour.
int ganz(double v)
{
    return static_cast<int>(std::nearbyint(v));
}

// SVG user units are CSS pixels (96 per inch); HIMETRIC is 2540 per inch.
constexpr double HimetricProSvgPixel = 2540.0 / 96.0;

} // namespace

QRect einpassRechteck(int boxW, int boxH, double picW_himetric, double picH_himetric, bool fit, bool centre, double dpi)
{
    if (boxW <= 0 || boxH <= 0 || !(picW_himetric > 0) || !(picH_himetric > 0) || !(dpi > 0))
        return {};
    const float rB = static_cast<float>(boxW) / static_cast<float>(boxH);
    const int w = ganz((picW_himetric + 200) * dpi / 2540.0);
    const int h = ganz((picH_himetric + 200) * dpi / 2540.0);
    if (w <= 0 || h <= 0)
        return {};
    const float rP = static_cast<float>(w) / static_cast<float>(h);
    int W = w, H = h, x = 0, y = 0;
    if (fit || h > boxH || w > boxW) {
        if (rP <= rB) {
            W = ganz(w / (static_cast<double>(h) / boxH));
            H = boxH;
            if (centre)
                x = static_cast<int>(std::floor((boxW - W) / 2.0));
        } else {
            H = ganz(h / (static_cast<double>(w) / boxW));
            W = boxW;
            if (centre)
                y = static_cast<int>(std::floor((boxH - H) / 2.0));
        }
    } else if (centre) {
        x = static_cast<int>(std::floor((boxW - w) / 2.0));
        y = static_cast<int>(std::floor((boxH - h) / 2.0));
    }
    return QRect(x, y, W, H);
}

ZeichnungsBox::ZeichnungsBox(QLabel* box) : QObject(box), m_box(box)
{
    box->installEventFilter(this);
}

ZeichnungsBox::~ZeichnungsBox() = default;

bool ZeichnungsBox::zeigen(const QString& svgPfad)
{
    auto renderer = std::make_unique<QSvgRenderer>(svgPfad);
    if (!renderer->isValid() || renderer->defaultSize().isEmpty())
        return false;
    renderer->setAspectRatioMode(Qt::IgnoreAspectRatio); // the fitted rectangle already keeps it
    m_renderer = std::move(renderer);
    einpassen();
    return true;
}

void ZeichnungsBox::leeren()
{
    m_renderer.reset();
    m_rechteck = {};
    if (m_box)
        m_box->clear();
}

bool ZeichnungsBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_box && event->type() == QEvent::Resize && m_renderer)
        einpassen();
    return QObject::eventFilter(watched, event);
}

void ZeichnungsBox::einpassen()
{
    if (!m_box || !m_renderer)
        return;
    const QSize box = m_box->contentsRect().size();
    const QSize svg = m_renderer->defaultSize();
    const double dpi = m_box->logicalDpiX();
    m_rechteck = einpassRechteck(box.width(), box.height(), svg.width() * HimetricProSvgPixel,
        svg.height() * HimetricProSvgPixel, true, true, dpi);
    if (m_rechteck.isEmpty()) {
        m_box->clear();
        return;
    }
    QPixmap bild(box);
    bild.fill(Qt::white);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    // The 2 mm margin of the fitted size surrounds the drawing itself.
    const double randX = 100.0 / (svg.width() * HimetricProSvgPixel + 200.0) * m_rechteck.width();
    const double randY = 100.0 / (svg.height() * HimetricProSvgPixel + 200.0) * m_rechteck.height();
    m_renderer->render(&p, QRectF(m_rechteck).adjusted(randX, randY, -randX, -randY));
    p.end();
    m_box->setPixmap(bild);
}

} // namespace ui
