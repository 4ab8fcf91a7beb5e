#pragma once
// What every property page of the chart shares: the selected controls (only the first is read
// and written), the Changed flag, loading when the page is first shown or the selection changes
// (never from painting, so redraws keep unapplied edits), and one way to report a failing
// member access without touching the page's controls.
#include "chart/pages/controlaccess.h"
#include <QString>
#include <QWidget>
#include <functional>

namespace common {
class Error;
class MessageBoxes;
}

class QLineEdit;
class QLabel;

namespace vexachart {

class PageDialogs;

// What a page needs of its host.
struct PageServices {
    common::MessageBoxes* messages = nullptr;
    PageDialogs* dialogs = nullptr;
};

class PropertyPage : public QWidget {
    Q_OBJECT
public:
    PropertyPage(const QString& objectName, const QString& caption, PageServices services, QWidget* parent = nullptr);

    QString caption() const { return m_caption; }

    bool Changed() const { return m_changed; }
    void setChanged(bool on);

    // The host hands over the selection; the page reloads from the new first control.
    void setSelectedControls(SelectedControls controls);
    const SelectedControls& SelectedControlsList() const { return m_selected; }

    // Loads the page from the first selected control. A failing read is reported and leaves
    // every control of the page as it was.
    void PropertyPage_Paint();
    virtual void PropertyPage_SelectionChanged();
    // Writes the page back to the first selected control; false when the write failed.
    bool PropertyPage_ApplyChanges();

    bool loaded() const { return m_loaded; }

signals:
    void changedChanged(bool changed);

protected:
    // Reads everything first and only then fills the controls, so a failure changes nothing.
    virtual void load(ControlAccess& control) = 0;
    virtual void apply(ControlAccess& control) = 0;
    // True when the page reports its apply failures itself (the axes page); it then tells
    // through applySucceeded whether the last apply went through.
    virtual bool handlesApplyErrors() const { return false; }
    virtual bool applySucceeded() const { return true; }

    void showEvent(QShowEvent* event) override;

    void reportError(const common::Error& error);
    ControlAccess* firstControl() const;
    PageServices services() const { return m_services; }

    // The heading label that repeats the page caption.
    QLabel* makeHeading(const QString& name, const QString& text);

private:
    QString m_caption;
    PageServices m_services;
    SelectedControls m_selected;
    bool m_changed = false;
    bool m_loaded = false;
};

// Shows the wait pointer for the lifetime of the object, on every exit path.
class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// Focusing the box (and, with onClick, clicking it) selects its whole text, so typing replaces it.
void selectAllOnFocus(QLineEdit* box, bool onClick);

} // namespace vexachart
