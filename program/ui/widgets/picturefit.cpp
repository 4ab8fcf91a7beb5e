#include "program/ui/widgets/picturefit.h"

#include "common/error.h"
#include "program/texts/picturefit.h"

#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace ui {

namespace {
constexpr long InvalidPicture = 481;
constexpr double DotsPerMetreAt96Dpi = 96.0 / 0.0254;

// Kept beside a box (as its child) to fit its picture again after a resize.
class Refitter : public QObject {
public:
    Refitter(QLabel& box, Bild picture, bool fit, bool centre)
        : QObject(&box), m_box(box), m_picture(std::move(picture)), m_fit(fit), m_centre(centre)
    {
        setObjectName(QStringLiteral("Bild_einpassen_bleibend"));
        box.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &m_box && event->type() == QEvent::Resize)
            Bild_einpassen(m_box, m_picture, m_fit, m_centre);
        return false;
    }

private:
    QLabel& m_box;
    Bild m_picture;
    bool m_fit;
    bool m_centre;
};

void dropRefitter(QLabel& box)
{
    delete box.findChild<Refitter*>(QStringLiteral("Bild_einpassen_bleibend"), Qt::FindDirectChildrenOnly);
}
}

Bild Bild::ausBild(const QImage& image)
{
    Bild b;
    b.m_image = image;
    const double dpmX = image.dotsPerMeterX() > 0 ? image.dotsPerMeterX() : DotsPerMetreAt96Dpi;
    const double dpmY = image.dotsPerMeterY() > 0 ? image.dotsPerMeterY() : DotsPerMetreAt96Dpi;
    b.m_himetric = QSizeF(image.width() * 100000.0 / dpmX, image.height() * 100000.0 / dpmY);
    return b;
}

Bild Bild::ausDatei(const QString& path)
{
    const QString source = QStringLiteral("Bild_einpassen");
    QFile file(path);
    if (!file.exists())
        common::raise(common::errc::FileNotFound, source, {});
    if (!file.open(QIODevice::ReadOnly))
        common::raise(InvalidPicture, source, QStringLiteral("Invalid picture"));
    const QByteArray bytes = file.readAll();

    if (QFileInfo(path).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0) {
        auto renderer = std::make_shared<QSvgRenderer>(bytes);
        if (!renderer->isValid())
            common::raise(InvalidPicture, source, QStringLiteral("Invalid picture"));
        Bild b;
        b.m_svg = std::move(renderer);
        // The root element's own size is exact; Qt's default size is rounded to whole pixels.
        const std::optional<QSizeF> size = texts::svgSizeHimetric(bytes);
        b.m_himetric = size ? *size : QSizeF(b.m_svg->defaultSize()) * (texts::HimetricPerInch / 96.0);
        return b;
    }
    const QImage image = QImage::fromData(bytes);
    if (image.isNull())
        common::raise(InvalidPicture, source, QStringLiteral("Invalid picture"));
    return ausBild(image);
}

void Bild::zeichne(QPainter& painter, const QRectF& target) const
{
    if (m_svg)
        m_svg->render(&painter, target);
    else
        painter.drawImage(target, m_image);
}

void Bild_einpassen(QLabel& box, const Bild& picture, bool fit, bool centre, int /*unused*/)
{
    const QSize size = box.contentsRect().size();
    const QSizeF himetric = picture.groesseHimetric();
    const std::optional<QRect> place = texts::fitRect(size.width(), size.height(), himetric.width(), himetric.height(),
                                                      fit, centre, box.logicalDpiX(), box.logicalDpiY());
    // The box's earlier picture goes first, so a box without room shows none rather than a stale one.
    box.setPixmap(QPixmap());
    if (!place || picture.isNull())
        return;

    QPixmap surface(size);
    surface.fill(Qt::transparent);
    {
        QPainter painter(&surface);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.setRenderHint(QPainter::Antialiasing);
        picture.zeichne(painter, *place);
    }
    box.setPixmap(surface);
}

} // namespace ui

namespace ui {

void Bild_einpassen_bleibend(QLabel& box, const Bild& picture, bool fit, bool centre)
{
    dropRefitter(box);
    Bild_einpassen(box, picture, fit, centre);
    new Refitter(box, picture, fit, centre);
}

void Bild_entfernen(QLabel& box)
{
    dropRefitter(box);
    box.clear();
}

} // namespace ui
