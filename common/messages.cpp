#include "common/messages.h"

namespace common {

int mb::firstAnswer(int style)
{
    switch (buttonsOf(style)) {
    case AbortRetryIgnore: return Abort;
    case YesNoCancel:
    case YesNo: return Yes;
    case RetryCancel: return Retry;
    default: return Ok;
    }
}

int MessageBoxes::show(const QString& prompt, int style, const QString& title)
{
    if (m_scopeDepth > 0) {
        const QString key = QString::number(style) + QLatin1Char('\x1f') + title + QLatin1Char('\x1f') + prompt;
        const auto it = m_answeredInScope.constFind(key);
        if (it != m_answeredInScope.constEnd())
            return it.value();
        const int answer = present(prompt, style, title);
        m_answeredInScope.insert(key, answer);
        return answer;
    }
    return present(prompt, style, title);
}

UserActionScope::UserActionScope(MessageBoxes& boxes) : m_boxes(boxes)
{
    ++m_boxes.m_scopeDepth;
}

UserActionScope::~UserActionScope()
{
    if (--m_boxes.m_scopeDepth == 0)
        m_boxes.m_answeredInScope.clear();
}

} // namespace common
