// Draws the five series banners of the main window (resource ids 111 to 115) as PNG.
// Build and run: g++ -std=c++20 -fPIC make_banners.cpp $(pkg-config --cflags --libs Qt6Gui) -o /tmp/mb && \
//   QT_QPA_PLATFORM=offscreen /tmp/mb ../../program/resources/banner
// A banner whose series name and variant do not both fit whole beside the fan is refused: the
// program stops with a message naming it and writes no file for it.
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QString>
#include <cstdio>

namespace {

constexpr int Breite = 360;
constexpr int Hoehe = 56;
constexpr qreal TextLinks = 62;  // right of the fan
constexpr qreal TextRechts = 350; // inside the rounded end
constexpr qreal Abstand = 12;     // between series name and variant

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    struct Banner {
        int id;
        const char* series;
        const char* variant;
        QColor colour;
    };
    const Banner banners[] = {
        {111, "DC", "12 V / 24 V", QColor(0, 168, 171)},
        {112, "AC", "Optim", QColor(238, 166, 39)},
        {113, "AC", "Rough", QColor(214, 128, 20)},
        {114, "HYDRO", "Optim", QColor(137, 141, 160)},
        {115, "HYDRO", "Rough", QColor(103, 108, 130)},
    };
    QFont seriesFont(QStringLiteral("DejaVu Sans"), 18, QFont::Bold);
    QFont variantFont(QStringLiteral("DejaVu Sans"), 13);
    int refused = 0;
    for (const Banner& b : banners) {
        const QString series = QStringLiteral("KELTO ") + QString::fromLatin1(b.series);
        const QString variant = QString::fromLatin1(b.variant);
        // Measured on the image's own resolution, where the text is drawn.
        QImage img(Breite, Hoehe, QImage::Format_ARGB32);
        const qreal seriesW = QFontMetricsF(seriesFont, &img).horizontalAdvance(series);
        const qreal variantW = QFontMetricsF(variantFont, &img).horizontalAdvance(variant);
        if (TextLinks + seriesW + Abstand + variantW > TextRechts) {
            std::fprintf(stderr, "banner %d: \"%s\" and \"%s\" need %.0f px, %.0f px are free\n", b.id,
                qUtf8Printable(series), qUtf8Printable(variant), seriesW + Abstand + variantW, TextRechts - TextLinks);
            ++refused;
            continue;
        }
        img.fill(Qt::transparent);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient g(0, 0, Breite, 0);
        g.setColorAt(0, b.colour.darker(140));
        g.setColorAt(1, b.colour.lighter(130));
        p.setBrush(g);
        p.setPen(Qt::NoPen);
        p.drawRoundedRect(QRectF(0.5, 0.5, Breite - 1, Hoehe - 1), 8, 8);
        // A stylised fan: hub and three blades.
        p.setBrush(Qt::white);
        const QPointF hub(30, 28);
        for (int i = 0; i < 3; ++i) {
            p.save();
            p.translate(hub);
            p.rotate(i * 120);
            p.drawEllipse(QRectF(-5, -21, 10, 18));
            p.restore();
        }
        p.setBrush(b.colour.darker(160));
        p.drawEllipse(hub, 5, 5);
        p.setPen(Qt::white);
        p.setFont(seriesFont);
        p.drawText(QRectF(TextLinks, 4, seriesW + 1, Hoehe - 8), Qt::AlignVCenter | Qt::AlignLeft, series);
        p.setFont(variantFont);
        p.drawText(QRectF(TextRechts - variantW - 1, 4, variantW + 1, Hoehe - 8), Qt::AlignVCenter | Qt::AlignRight,
            variant);
        p.end();
        img.save(dir + QStringLiteral("/%1.png").arg(b.id));
    }
    return refused == 0 ? 0 : 1;
}
