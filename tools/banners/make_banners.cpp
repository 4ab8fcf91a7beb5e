// Draws the five series banners of the main window (resource ids 111 to 115) as PNG.
// Build and run: g++ -std=c++20 -fPIC make_banners.cpp $(pkg-config --cflags --libs Qt6Gui) -o /tmp/mb && \
//   QT_QPA_PLATFORM=offscreen /tmp/mb ../../program/resources/banner
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QString>

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
    for (const Banner& b : banners) {
        QImage img(360, 56, QImage::Format_ARGB32);
        img.fill(Qt::transparent);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient g(0, 0, 360, 0);
        g.setColorAt(0, b.colour.darker(140));
        g.setColorAt(1, b.colour.lighter(130));
        p.setBrush(g);
        p.setPen(Qt::NoPen);
        p.drawRoundedRect(QRectF(0.5, 0.5, 359, 55), 8, 8);
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
        QFont f(QStringLiteral("DejaVu Sans"), 20, QFont::Bold);
        p.setFont(f);
        p.drawText(QRectF(62, 4, 200, 48), Qt::AlignVCenter | Qt::AlignLeft,
            QStringLiteral("KELTO ") + QString::fromLatin1(b.series));
        f.setPointSize(13);
        f.setBold(false);
        p.setFont(f);
        p.drawText(QRectF(200, 4, 150, 48), Qt::AlignVCenter | Qt::AlignRight, QString::fromLatin1(b.variant));
        p.end();
        img.save(dir + QStringLiteral("/%1.png").arg(b.id));
    }
    return 0;
}
