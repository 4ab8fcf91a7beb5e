// The window after a selection, in a Latin and a CJK language: every caption fits its control and
// no two controls of one container overlap. With KELTO_SCREENSHOT_DIR set, the window picture is
// also saved there for a look by eye.
#include "windowfixture.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QScreen>

namespace {

bool leafControl(const QWidget* w)
{
    return qobject_cast<const QLabel*>(w) || qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w)
        || qobject_cast<const QComboBox*>(w);
}

} // namespace

TEST_F(WindowFixture, CaptionsFitAndControlsDoNotOverlap)
{
    for (const int sprache : {0, 15}) {
        open(sprache);
        referencePoint();
        w->resize(w->sizeHint().expandedTo(QSize(1000, 680)));
        QApplication::processEvents();
        for (QWidget* c : w->findChildren<QWidget*>()) {
            if (!c->isVisibleTo(w.get()) || !leafControl(c) || c->window() != w.get())
                continue;
            const QString name = c->objectName();
            if (auto* l = qobject_cast<QLabel*>(c); l && !l->text().isEmpty() && !l->wordWrap()) {
                EXPECT_GE(l->width(), l->fontMetrics().horizontalAdvance(l->text()))
                    << sprache << " " << name.toStdString() << " cut: " << l->text().toStdString();
            }
            if (auto* b = qobject_cast<QAbstractButton*>(c); b && !b->text().isEmpty()) {
                EXPECT_GE(b->width(), b->minimumSizeHint().width())
                    << sprache << " " << name.toStdString() << " cut: " << b->text().toStdString();
            }
            for (QWidget* other : c->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (other == c || !other->isVisibleTo(w.get()) || !leafControl(other))
                    continue;
                EXPECT_FALSE(c->geometry().intersects(other->geometry()))
                    << sprache << " " << name.toStdString() << " overlaps " << other->objectName().toStdString();
            }
        }
        for (QGroupBox* g : w->findChildren<QGroupBox*>()) {
            if (g->isVisibleTo(w.get()) && !g->title().isEmpty()) {
                EXPECT_GE(g->width(), g->fontMetrics().horizontalAdvance(g->title()) + 16)
                    << sprache << " " << g->objectName().toStdString();
            }
        }
        const QByteArray dir = qgetenv("KELTO_SCREENSHOT_DIR");
        if (!dir.isEmpty())
            w->grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/mainwindow_%1.png").arg(sprache));
        w.reset();
        zustand.reset();
        start = texts::AppState{};
    }
}
