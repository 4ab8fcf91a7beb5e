// Renders SVG files to PNG with Qt's own SVG renderer, as the program will show them.
// Build: g++ -std=c++20 -fPIC svg_to_png.cpp $(pkg-config --cflags --libs Qt6Svg Qt6Gui) -o svg_to_png
// Use:   QT_QPA_PLATFORM=offscreen ./svg_to_png <width> <height> <out folder> file.svg...
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 5) {
        std::fprintf(stderr, "usage: svg_to_png <width> <height> <out folder> file.svg...\n");
        return 2;
    }
    const int w = QString(argv[1]).toInt();
    const int h = QString(argv[2]).toInt();
    int failures = 0;
    for (int i = 4; i < argc; ++i) {
        QSvgRenderer renderer(QString::fromLocal8Bit(argv[i]));
        if (!renderer.isValid()) {
            std::fprintf(stderr, "invalid: %s\n", argv[i]);
            ++failures;
            continue;
        }
        QImage image(w, h, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        const QString out = QString::fromLocal8Bit(argv[3]) + "/" + QFileInfo(argv[i]).completeBaseName() + ".png";
        image.save(out);
    }
    return failures;
}
