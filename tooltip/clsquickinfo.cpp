#include "tooltip/clsquickinfo.h"

#include "common/widgets/qtcolour.h"
#include "tooltip/frmabout.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QPalette>
#include <QScreen>
#include <QStyle>
#include <QWidget>

namespace quickinfo {

namespace {

constexpr int DefaultMaxTipWidth = 800;
constexpr int DefaultAutoPop = 5000;

// System colours name roles of the desktop palette; everything else is a plain RGB value.
QColor resolve(common::ColourValue c)
{
    return common::toQColor(c, QApplication::palette());
}

} // namespace

QString displayText(const QString& text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

clsQuickInfo::clsQuickInfo(QObject* parent) : QObject(parent)
{
    m_initialTimer.setSingleShot(true);
    m_autoPopTimer.setSingleShot(true);
    connect(&m_initialTimer, &QTimer::timeout, this, &clsQuickInfo::showPopup);
    connect(&m_autoPopTimer, &QTimer::timeout, this, &clsQuickInfo::hidePopup);
}

clsQuickInfo::~clsQuickInfo()
{
    for (auto it = m_tools.constBegin(); it != m_tools.constEnd(); ++it)
        it.key()->removeEventFilter(this);
    if (m_ownsPopup)
        delete m_popup.data();
    else if (m_popup)
        m_popup->deleteLater();
}

bool clsQuickInfo::Init(QWidget* owner)
{
    if (initialised())
        return true;
    // A popup with an owner lives and dies with it; without one this object deletes it.
    auto* popup = new QLabel(owner, Qt::ToolTip | Qt::FramelessWindowHint);
    popup->setObjectName(QStringLiteral("zavQuickInfoPopup"));
    popup->setTextFormat(Qt::PlainText);
    popup->setAutoFillBackground(true);
    popup->setFrameStyle(QFrame::Box | QFrame::Plain);
    popup->setAttribute(Qt::WA_ShowWithoutActivating);
    m_popup = popup;
    m_ownsPopup = owner == nullptr;
    const QPalette pal = QApplication::palette();
    m_backColor = common::fromQColor(pal.color(QPalette::ToolTipBase));
    m_foreColor = common::fromQColor(pal.color(QPalette::ToolTipText));
    const int wakeUp = QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay);
    m_initialDelay = wakeUp > 0 ? wakeUp : 700;
    m_reshowDelay = m_initialDelay / 5;
    m_margins[0] = m_margins[1] = m_margins[2] = m_margins[3] = 2;
    setMaxTipWidth(DefaultMaxTipWidth);
    setDelayTime(AutoPop, DefaultAutoPop);
    applyLook();
    return true;
}

bool clsQuickInfo::ControlAdd(QWidget* control, const QString& sToolTipText)
{
    if (!initialised() || control == nullptr || m_tools.contains(control))
        return false;
    m_tools.insert(control, sToolTipText);
    control->installEventFilter(this);
    connect(control, &QObject::destroyed, this, &clsQuickInfo::forget);
    return true;
}

bool clsQuickInfo::ControlRemove(QWidget* control)
{
    if (!initialised() || control == nullptr || !m_tools.contains(control))
        return false;
    control->removeEventFilter(this);
    disconnect(control, &QObject::destroyed, this, &clsQuickInfo::forget);
    forget(control);
    return true;
}

void clsQuickInfo::forget(QObject* control)
{
    // Called from destroyed as well: only the pointer value is used, never the object.
    m_tools.remove(static_cast<QWidget*>(control));
    if (m_current.data() == control || m_current.isNull()) {
        m_current = nullptr;
        hidePopup();
    }
}

common::ColourValue clsQuickInfo::BackColor() const
{
    return initialised() ? m_backColor : 0;
}

void clsQuickInfo::setBackColor(common::ColourValue colour)
{
    if (!initialised())
        return;
    m_backColor = colour;
    applyLook();
}

common::ColourValue clsQuickInfo::ForeColor() const
{
    return initialised() ? m_foreColor : 0;
}

void clsQuickInfo::setForeColor(common::ColourValue colour)
{
    if (!initialised())
        return;
    m_foreColor = colour;
    applyLook();
}

QString clsQuickInfo::ToolTipText(QWidget* control) const
{
    if (!initialised() || control == nullptr)
        return {};
    return m_tools.value(control);
}

void clsQuickInfo::setToolTipText(QWidget* control, const QString& text)
{
    if (!initialised() || control == nullptr || !m_tools.contains(control))
        return;
    m_tools[control] = text;
    if (m_current == control && m_popup->isVisible()) {
        if (text.isEmpty())
            hidePopup();
        else
            showText(text);
    }
}

bool clsQuickInfo::About()
{
    if (!initialised())
        return false;
    frmAbout box(m_popup->parentWidget());
    if (m_aboutRunner)
        m_aboutRunner(box);
    else
        box.exec();
    return true;
}

int clsQuickInfo::ToolCount() const
{
    return initialised() ? static_cast<int>(m_tools.size()) : 0;
}

int clsQuickInfo::MaxTipWidth() const
{
    return initialised() ? m_maxTipWidth : 0;
}

void clsQuickInfo::setMaxTipWidth(int pixels)
{
    if (!initialised())
        return;
    m_maxTipWidth = pixels > 0 ? pixels : -1;
    applyLook();
}

int clsQuickInfo::DelayTime(int index) const
{
    if (!initialised())
        return 0;
    switch (index & 3) {
    case Reshow: return m_reshowDelay;
    case AutoPop: return m_autoPopDelay;
    default: return m_initialDelay; // Automatic reads as the initial delay
    }
}

void clsQuickInfo::setDelayTime(int index, int milliseconds)
{
    if (!initialised())
        return;
    const int ms = milliseconds < 0 ? 0 : milliseconds;
    switch (index & 3) {
    case Automatic:
        m_initialDelay = ms;
        m_autoPopDelay = 10 * ms;
        m_reshowDelay = ms / 5;
        break;
    case Reshow: m_reshowDelay = ms; break;
    case AutoPop: m_autoPopDelay = ms; break;
    case Initial: m_initialDelay = ms; break;
    }
}

int clsQuickInfo::Margin(int side) const
{
    if (!initialised() || side < 0 || side > 3)
        return 0;
    return m_margins[side];
}

void clsQuickInfo::setMargin(int side, int pixels)
{
    if (!initialised() || side < 0 || side > 3)
        return;
    m_margins[side] = pixels;
    applyLook();
}

QWidget* clsQuickInfo::ToolTipHwnd() const
{
    return m_popup.data();
}

void clsQuickInfo::applyLook()
{
    if (!m_popup)
        return;
    QPalette pal = m_popup->palette();
    pal.setColor(QPalette::Window, resolve(m_backColor));
    pal.setColor(QPalette::WindowText, resolve(m_foreColor));
    m_popup->setPalette(pal);
    m_popup->setContentsMargins(m_margins[0], m_margins[1], m_margins[2], m_margins[3]);
    m_popup->setMaximumWidth(m_maxTipWidth > 0 ? m_maxTipWidth : QWIDGETSIZE_MAX);
}

bool clsQuickInfo::eventFilter(QObject* watched, QEvent* event)
{
    auto* control = qobject_cast<QWidget*>(watched);
    if (control == nullptr || !m_tools.contains(control))
        return false;
    switch (event->type()) {
    case QEvent::Enter:
        startFor(control);
        break;
    case QEvent::Leave:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::Hide:
        if (m_current == control) {
            m_current = nullptr;
            hidePopup();
        }
        break;
    default:
        break;
    }
    return false; // the control always sees its own events
}

void clsQuickInfo::startFor(QWidget* control)
{
    const bool tipUp = m_popup && m_popup->isVisible();
    m_autoPopTimer.stop();
    if (tipUp)
        m_popup->hide();
    m_current = control;
    if (m_tools.value(control).isEmpty())
        return;
    // Moving on from a tip that is up shows the next one after the shorter reshow delay.
    m_initialTimer.start(tipUp ? m_reshowDelay : m_initialDelay);
}

void clsQuickInfo::showPopup()
{
    if (!m_popup || m_current.isNull() || !m_current->isVisible())
        return;
    const QString text = m_tools.value(m_current.data());
    if (text.isEmpty())
        return;
    showText(text);
    QPoint at = QCursor::pos() + QPoint(2, 20);
    if (const QScreen* screen = m_current->screen()) {
        const QRect area = screen->availableGeometry();
        const QSize size = m_popup->size();
        at.setX(qBound(area.left(), at.x(), qMax(area.left(), area.right() - size.width())));
        at.setY(qBound(area.top(), at.y(), qMax(area.top(), area.bottom() - size.height())));
    }
    m_popup->move(at);
    m_popup->show();
    m_popup->raise();
    if (m_autoPopDelay > 0)
        m_autoPopTimer.start(m_autoPopDelay);
}

void clsQuickInfo::showText(const QString& text)
{
    // Lines that fit the maximum width stay whole, each on its own line; only a longer line is
    // wrapped, at the maximum width. (A word-wrapping label left to size itself breaks far earlier.)
    const QString shown = displayText(text);
    m_popup->setText(shown);
    const QFontMetrics fm(m_popup->font());
    int longest = 0;
    for (const QString& line : shown.split(QLatin1Char('\n')))
        longest = qMax(longest, fm.horizontalAdvance(line));
    const QMargins m = m_popup->contentsMargins();
    const int rand = m.left() + m.right() + 2 * (m_popup->frameWidth() + m_popup->margin());
    const bool wrap = m_maxTipWidth > 0 && longest + rand > m_maxTipWidth;
    m_popup->setWordWrap(wrap);
    if (wrap)
        m_popup->resize(m_maxTipWidth, m_popup->heightForWidth(m_maxTipWidth));
    else
        m_popup->adjustSize();
}

void clsQuickInfo::hidePopup()
{
    m_initialTimer.stop();
    m_autoPopTimer.stop();
    if (m_popup)
        m_popup->hide();
}

} // namespace quickinfo
