#pragma once
// clsQuickInfo: multi-line tooltips for the controls of one window. One instance owns one popup
// window; controls are registered with their texts and the popup appears when the mouse rests on
// them. Every member does nothing and answers false / 0 / "" until Init has created the popup.
#include "tooltip/zavquickinfo_export.h"
#include "common/colour.h"
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <functional>

class QDialog;
class QLabel;
class QWidget;

namespace quickinfo {

class ZAVQUICKINFO_EXPORT clsQuickInfo : public QObject {
    Q_OBJECT
public:
    // Delay indices of DelayTime (the index is taken "And 3").
    enum Delay { Automatic = 0, Reshow = 1, AutoPop = 2, Initial = 3 };

    explicit clsQuickInfo(QObject* parent = nullptr);
    ~clsQuickInfo() override;

    // Creates the popup for the owner window (once); sets the maximum width 800 px and the
    // auto-pop delay 5000 ms. A second call keeps the first popup and answers true.
    bool Init(QWidget* owner);

    // Registers a control with its text. False before Init, for a null control, or when the
    // control is registered already (its text is then kept).
    bool ControlAdd(QWidget* control, const QString& sToolTipText);
    // Unregisters a control; false when it was not registered.
    bool ControlRemove(QWidget* control);

    // Colours as 0x00BBGGRR or system colours 0x8000000n; get returns what was set.
    common::ColourValue BackColor() const;
    void setBackColor(common::ColourValue colour);
    common::ColourValue ForeColor() const;
    void setForeColor(common::ColourValue colour);

    // A registered control's text, as it was set ("" when unregistered).
    QString ToolTipText(QWidget* control) const;
    // Changes a registered control's text; nothing for an unregistered one.
    void setToolTipText(QWidget* control, const QString& text);

    // Shows the component's about box modally over the owner window and closes it afterwards.
    // False (and nothing shown) before Init.
    bool About();
    // Replaces the modal display of the about box (tests record it instead of blocking).
    void setAboutRunner(std::function<void(QDialog&)> runner) { m_aboutRunner = std::move(runner); }

    // Internal accessors, all 0 / nothing before Init.
    int ToolCount() const;
    int MaxTipWidth() const;
    void setMaxTipWidth(int pixels); // 0 or less: no limit (-1)
    int DelayTime(int index) const;
    void setDelayTime(int index, int milliseconds);
    int Margin(int side) const; // 0 left, 1 top, 2 right, 3 bottom; other sides 0
    void setMargin(int side, int pixels);
    QWidget* ToolTipHwnd() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool initialised() const { return !m_popup.isNull(); }
    void forget(QObject* control);
    void startFor(QWidget* control);
    void showPopup();
    void hidePopup();
    // Puts the text on the popup and sizes the popup to it.
    void showText(const QString& text);
    void applyLook();

    QPointer<QLabel> m_popup;
    bool m_ownsPopup = false;
    QHash<QWidget*, QString> m_tools;
    QPointer<QWidget> m_current; // control the popup belongs to (shown or pending)
    QTimer m_initialTimer;
    QTimer m_autoPopTimer;
    int m_maxTipWidth = -1;
    int m_initialDelay = 0;
    int m_reshowDelay = 0;
    int m_autoPopDelay = 0;
    int m_margins[4] = {0, 0, 0, 0};
    common::ColourValue m_backColor = 0;
    common::ColourValue m_foreColor = 0;
    std::function<void(QDialog&)> m_aboutRunner;
};

// The popup's text: CR LF and a lone CR become line breaks.
ZAVQUICKINFO_EXPORT QString displayText(const QString& text);

} // namespace quickinfo
