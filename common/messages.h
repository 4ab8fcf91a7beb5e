#pragma once
// Message boxes go through this interface: a Qt implementation shows them, a recording fake
// (tests/common/recordingmessageboxes.h) stands in for tests. Styles and answers keep the classic numeric values (16 error, 32 question,
// 48 exclamation, 64 information; 1 OK, 2 Cancel, 6 Yes, 7 No) because callers store and compare them.
#include <QHash>
#include <QString>

namespace common {

namespace mb {
inline constexpr int OkOnly = 0;
inline constexpr int OkCancel = 1;
inline constexpr int AbortRetryIgnore = 2;
inline constexpr int YesNoCancel = 3;
inline constexpr int YesNo = 4;
inline constexpr int RetryCancel = 5;
inline constexpr int Critical = 16;
inline constexpr int Question = 32;
inline constexpr int Exclamation = 48;
inline constexpr int Information = 64;
inline constexpr int DefaultButton2 = 256;
inline constexpr int DefaultButton3 = 512;

inline constexpr int Ok = 1;
inline constexpr int Cancel = 2;
inline constexpr int Abort = 3;
inline constexpr int Retry = 4;
inline constexpr int Ignore = 5;
inline constexpr int Yes = 6;
inline constexpr int No = 7;

inline int buttonsOf(int style) { return style & 0x0F; }
inline int iconOf(int style) { return style & 0xF0; }
// The answer of the first button of a style (what Enter gives without a default-button flag).
int firstAnswer(int style);
}

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;

    // Shows a message and returns the answer. Inside a user-action scope the same text is shown
    // once; a repeat returns the answer the user gave the first time.
    int show(const QString& prompt, int style = mb::OkOnly, const QString& title = {});

protected:
    virtual int present(const QString& prompt, int style, const QString& title) = 0;

private:
    friend class UserActionScope;
    int m_scopeDepth = 0;
    QHash<QString, int> m_answeredInScope;
};

// Opened by every handler that a user triggers; repeats of a message inside it are suppressed.
class UserActionScope {
public:
    explicit UserActionScope(MessageBoxes& boxes);
    ~UserActionScope();
    UserActionScope(const UserActionScope&) = delete;
    UserActionScope& operator=(const UserActionScope&) = delete;

private:
    MessageBoxes& m_boxes;
};

} // namespace common
