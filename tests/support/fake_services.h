#pragma once
// Stand-ins for message boxes and the open dialog, answered by the test.

#include "controls/open_file_chooser.h"
#include "controls/prompter.h"

#include <QStringList>
#include <deque>
#include <optional>

namespace qm::testing {

class FakePrompter : public Prompter {
public:
    void showError(QWidget *, const QString &title, const QString &text) override {
        errors << title + QLatin1Char('|') + text;
    }
    Answer askYesNoCancel(QWidget *, const QString &title, const QString &text) override {
        return answer(title, text, Answer::Cancel);
    }
    // Unanswered, the question gets the box's default.
    Answer askYesNo(QWidget *, const QString &title, const QString &text) override {
        return answer(title, text, Answer::No);
    }

    QStringList errors;
    QStringList questions;
    std::deque<Answer> answers;

private:
    Answer answer(const QString &title, const QString &text, Answer unanswered) {
        questions << title + QLatin1Char('|') + text;
        if (answers.empty())
            return unanswered;
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
};

class FakeChooser : public OpenFileChooser {
public:
    std::optional<QString> chooseOpenFile(QWidget *, const QString &filter) override {
        lastFilter = filter;
        ++shown;
        return choice;
    }

    std::optional<QString> choice;
    QString lastFilter;
    int shown = 0;
};

} // namespace qm::testing
