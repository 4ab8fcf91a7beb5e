#pragma once
// The message boxes of tests: nothing is shown, everything is recorded.
#include "common/messages.h"
#include <deque>
#include <vector>

namespace common {

// Records what would have been shown and answers from a script (else with the first button).
class RecordingMessageBoxes : public MessageBoxes {
public:
    struct Shown {
        QString prompt;
        int style;
        QString title;
    };
    std::vector<Shown> shown;
    std::deque<int> answers;

    void clear() { shown.clear(); }
    bool contains(const QString& prompt) const
    {
        for (const Shown& s : shown)
            if (s.prompt == prompt)
                return true;
        return false;
    }

protected:
    int present(const QString& prompt, int style, const QString& title) override
    {
        shown.push_back({prompt, style, title});
        if (!answers.empty()) {
            const int a = answers.front();
            answers.pop_front();
            return a;
        }
        return mb::firstAnswer(style);
    }
};

} // namespace common
