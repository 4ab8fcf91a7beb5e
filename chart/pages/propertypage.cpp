#include "chart/pages/propertypage.h"
#include "common/error.h"
#include "common/messages.h"
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace vexachart {

PropertyPage::PropertyPage(const QString& objectName, const QString& caption, PageServices services, QWidget* parent)
    : QWidget(parent), m_caption(caption), m_services(services)
{
    setObjectName(objectName);
}

void PropertyPage::setChanged(bool on)
{
    if (m_changed == on)
        return;
    m_changed = on;
    emit changedChanged(on);
}

void PropertyPage::setSelectedControls(SelectedControls controls)
{
    m_selected = std::move(controls);
    PropertyPage_SelectionChanged();
}

void PropertyPage::PropertyPage_SelectionChanged()
{
    if (m_loaded || isVisible())
        PropertyPage_Paint();
}

ControlAccess* PropertyPage::firstControl() const
{
    return m_selected.empty() ? nullptr : m_selected.front().get();
}

void PropertyPage::PropertyPage_Paint()
{
    ControlAccess* control = firstControl();
    if (!control)
        return;
    try {
        load(*control);
        m_loaded = true;
        // Filling the controls is no edit.
        setChanged(false);
    } catch (const common::Error& e) {
        reportError(e);
    }
}

bool PropertyPage::PropertyPage_ApplyChanges()
{
    ControlAccess* control = firstControl();
    if (!control)
        return true;
    if (handlesApplyErrors()) {
        apply(*control);
        return applySucceeded();
    }
    try {
        apply(*control);
        return true;
    } catch (const common::Error& e) {
        reportError(e);
        return false;
    }
}

void PropertyPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_loaded)
        PropertyPage_Paint();
}

void PropertyPage::reportError(const common::Error& error)
{
    if (!m_services.messages)
        return;
    QString text = QStringLiteral("Error %1: %2").arg(error.number()).arg(error.description());
    if (!error.source().isEmpty())
        text += QStringLiteral("\n(%1)").arg(error.source());
    m_services.messages->show(text, common::mb::Critical | common::mb::OkOnly, m_caption);
}

QLabel* PropertyPage::makeHeading(const QString& name, const QString& text)
{
    auto* heading = new QLabel(text, this);
    heading->setObjectName(name);
    QFont f = heading->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.3);
    heading->setFont(f);
    return heading;
}

WaitCursor::WaitCursor()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

WaitCursor::~WaitCursor()
{
    QApplication::restoreOverrideCursor();
}

namespace {

class SelectAllFilter : public QObject {
public:
    SelectAllFilter(QLineEdit* box, bool onClick) : QObject(box), m_box(box), m_onClick(onClick) {}

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        // Deferred: the mouse press that gave the focus would otherwise place the caret again.
        if (e->type() == QEvent::FocusIn || (m_onClick && e->type() == QEvent::MouseButtonRelease))
            QTimer::singleShot(0, m_box, [box = m_box] { box->selectAll(); });
        return false;
    }

private:
    QLineEdit* m_box;
    bool m_onClick;
};

} // namespace

void selectAllOnFocus(QLineEdit* box, bool onClick)
{
    box->installEventFilter(new SelectAllFilter(box, onClick));
}

} // namespace vexachart
