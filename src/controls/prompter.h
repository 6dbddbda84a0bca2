#pragma once
// Message boxes, behind an interface so tests can answer them.

#include <QString>

class QWidget;

namespace qm {

enum class Answer { Yes, No, Cancel };

class Prompter {
public:
    virtual ~Prompter() = default;
    // OK only, critical icon.
    virtual void showError(QWidget *parent, const QString &title, const QString &text) = 0;
    // Yes, No and Cancel, warning icon.
    virtual Answer askYesNoCancel(QWidget *parent, const QString &title, const QString &text) = 0;
    // Yes and No, warning icon; No is the default and what closing the box answers.
    virtual Answer askYesNo(QWidget *parent, const QString &title, const QString &text) = 0;
};

class MessageBoxPrompter : public Prompter {
public:
    void showError(QWidget *parent, const QString &title, const QString &text) override;
    Answer askYesNoCancel(QWidget *parent, const QString &title, const QString &text) override;
    Answer askYesNo(QWidget *parent, const QString &title, const QString &text) override;
};

} // namespace qm
