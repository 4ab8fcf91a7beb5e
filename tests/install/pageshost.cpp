// A program outside the project that opens the chart's property pages through the installed
// library and headers only, types a new title on the General page as a user would and presses
// OK. Exit code 0 when the page showed the chart's title, the dialog was accepted and the chart
// then carries the typed title.
#include <chart/control/vexachart.h>

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

namespace {

void key(QWidget* w, int code, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {})
{
    QKeyEvent press(QEvent::KeyPress, code, modifiers, text);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, code, modifiers, text);
    QApplication::sendEvent(w, &release);
}

void type(QWidget* w, const QString& text)
{
    for (const QChar c : text)
        key(w, c.isLetter() ? Qt::Key_A + (c.toUpper().unicode() - 'A') : Qt::Key_Space, Qt::NoModifier, QString(c));
}

void click(QWidget* w)
{
    const QPointF centre = QRectF(w->rect()).center();
    QMouseEvent press(QEvent::MouseButtonPress, centre, w->mapToGlobal(centre), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, centre, w->mapToGlobal(centre), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &release);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    vexachart::VexachartWidget widget;
    widget.resize(480, 320);
    widget.show();
    vexachart::Vexachart& chart = widget.chart();
    chart.setTitle(QStringLiteral("Old title"));

    const QString typed = QStringLiteral("Pressure drop");
    QString shown = QStringLiteral("(no title box)");
    // Runs inside the dialog's own event loop, once the dialog is up.
    QTimer::singleShot(0, &widget, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        auto* title = dialog ? dialog->findChild<QLineEdit*>(QStringLiteral("TxtTitle")) : nullptr;
        auto* buttons = dialog ? dialog->findChild<QDialogButtonBox*>() : nullptr;
        if (!title || !buttons) {
            if (dialog)
                dialog->close();
            return;
        }
        shown = title->text();
        key(title, Qt::Key_A, Qt::ControlModifier);
        type(title, typed);
        click(buttons->button(QDialogButtonBox::Ok));
    });
    // A dialog left open (no title box, or OK did not close it) is closed, so the check ends.
    QTimer::singleShot(30000, &widget, [] {
        if (QWidget* dialog = QApplication::activeModalWidget())
            dialog->close();
    });
    const int result = vexachart::showPropertyPages(chart, &widget);

    std::printf("page showed \"%s\", dialog %s, chart title \"%s\"\n", qPrintable(shown),
        result == QDialog::Accepted ? "accepted" : "not accepted", qPrintable(chart.Title()));
    return shown == QStringLiteral("Old title") && result == QDialog::Accepted && chart.Title() == typed ? 0 : 1;
}
