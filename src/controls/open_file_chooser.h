#pragma once
// The file-open dialog behind "打开". Tests substitute their own chooser.

#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace qm {

class OpenFileChooser {
public:
    virtual ~OpenFileChooser() = default;
    // The chosen file's full path, or nothing when the user cancelled.
    virtual std::optional<QString> chooseOpenFile(QWidget *parent, const QString &filter) = 0;
};

// The platform's own file dialog, opened in the directory `startDirectory`
// names at that moment.
class DialogOpenFileChooser : public OpenFileChooser {
public:
    explicit DialogOpenFileChooser(std::function<QString()> startDirectory = {})
        : start(std::move(startDirectory)) {}
    std::optional<QString> chooseOpenFile(QWidget *parent, const QString &filter) override;

private:
    std::function<QString()> start;
};

} // namespace qm
