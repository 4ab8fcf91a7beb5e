// The window after a selection, in a Latin and a CJK language: every caption fits its control and
// no two controls of one container overlap; the window's size does not depend on the language or
// the drive. With KELTO_SCREENSHOT_DIR set, the window pictures are also saved there for a look by
// eye.
#include "windowfixture.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <optional>

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
        start = app::AppState{};
    }
}

namespace {

// Cells whose text is wider than their column, in a grid that cannot scroll them into view.
QStringList cutCells(const QTableWidget* g)
{
    QStringList cut;
    int breite = 0;
    for (int c = 0; c < g->columnCount(); ++c)
        breite += g->columnWidth(c);
    const bool scrolls = g->horizontalScrollBar()->maximum() > 0 || breite <= g->viewport()->width();
    for (int r = 0; r < g->rowCount(); ++r)
        for (int c = 0; c < g->columnCount(); ++c)
            if (const QTableWidgetItem* item = g->item(r, c)) {
                if (g->fontMetrics().horizontalAdvance(item->text()) + 4 > g->columnWidth(c))
                    cut << item->text();
            }
    if (!scrolls)
        cut << QStringLiteral("(columns wider than the grid, no scroll bar)");
    return cut;
}

// A grid whose widest entries fit side by side shows no scroll bar.
bool scrollsWithoutNeed(const QTableWidget* g)
{
    int noetig = 0;
    for (int c = 0; c < g->columnCount(); ++c) {
        int breiteste = 0;
        for (int r = 0; r < g->rowCount(); ++r)
            if (const QTableWidgetItem* item = g->item(r, c))
                breiteste = std::max(breiteste, g->fontMetrics().horizontalAdvance(item->text()) + 12);
        noetig += breiteste;
    }
    return noetig <= g->viewport()->width() && g->horizontalScrollBar()->maximum() > 0;
}

} // namespace

// The window opens at one size in every language and keeps it whatever drive is chosen; with each
// drive and the data tab open no caption, value or grid cell is cut.
TEST_F(WindowFixture, OneWindowSizeForEveryDriveAndLanguage)
{
    std::optional<QSize> groesse;
    const QByteArray dir = qgetenv("KELTO_SCREENSHOT_DIR");
    for (const int sprache : {0, 1, 15, 4, 6}) {
        open(sprache);
        referencePoint();
        QApplication::processEvents();
        if (!groesse)
            groesse = w->size();
        EXPECT_EQ(w->size(), *groesse) << "language " << sprache;
        const std::pair<const char*, QRadioButton*> antriebe[] = {
            {"DC", w->OBox_DCD}, {"AC", w->OBox_AC}, {"HC", w->OBox_HC}};
        w->SSTab1->setCurrentIndex(4);
        for (const auto& [name, option] : antriebe) {
            option->click();
            QApplication::processEvents();
            EXPECT_EQ(w->size(), *groesse) << "language " << sprache << " drive " << name;
            for (QLabel* l : w->findChildren<QLabel*>()) {
                if (l->isVisibleTo(w.get()) && !l->wordWrap() && !l->text().isEmpty() && l->pixmap().isNull()) {
                    EXPECT_GE(l->width(), l->sizeHint().width())
                        << sprache << " " << name << " " << l->objectName().toStdString() << ": " << l->text().toStdString();
                }
            }
            for (QAbstractButton* b : w->findChildren<QAbstractButton*>()) {
                if (b->isVisibleTo(w.get()) && !b->text().isEmpty()) {
                    EXPECT_GE(b->width(), b->sizeHint().width())
                        << sprache << " " << name << " " << b->objectName().toStdString() << ": " << b->text().toStdString();
                }
            }
            for (QGroupBox* g : w->findChildren<QGroupBox*>()) {
                if (g->isVisibleTo(w.get()) && !g->title().isEmpty()) {
                    EXPECT_GE(g->width(), g->minimumSizeHint().width()) << sprache << " " << name << " "
                                                                        << g->objectName().toStdString();
                }
            }
            for (QTableWidget* g : {w->FG_Datenuebersicht, w->FG_ErsatzTeile}) {
                EXPECT_EQ(cutCells(g), QStringList{}) << sprache << " " << name << " " << g->objectName().toStdString();
                EXPECT_FALSE(scrollsWithoutNeed(g)) << sprache << " " << name << " " << g->objectName().toStdString();
                // No empty band right of the columns.
                EXPECT_GE(g->columnWidth(0) + g->columnWidth(1), g->viewport()->width())
                    << sprache << " " << name << " " << g->objectName().toStdString();
            }
            if (!dir.isEmpty())
                w->grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/window_%1_%2.png").arg(sprache).arg(QLatin1String(name)));
        }
        w.reset();
        zustand.reset();
        start = app::AppState{};
    }
}
