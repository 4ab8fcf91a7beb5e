#pragma once
// The folder picker of tests: answers from a script and records what it was asked.
#include "common/error.h"
#include "platform/sysdialogs.h"
#include <QStringList>
#include <deque>

namespace platform {

// Answers from a script ("" = cancelled once the script is used up) and records the titles asked.
class RecordingFolderDialog : public FolderDialog {
public:
    std::deque<QString> answers;
    QStringList titles;
    std::deque<long> errors; // raised (as common::Error) before the next answer when not empty

    QString chooseFolder(QWidget*, const QString& title) override
    {
        titles.append(title);
        if (!errors.empty()) {
            const long number = errors.front();
            errors.pop_front();
            common::raise(number);
        }
        if (answers.empty())
            return {};
        QString answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

} // namespace platform
