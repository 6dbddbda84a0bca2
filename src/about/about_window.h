#pragma once
// The modal about window with the program's name, version, date, the makers'
// contact block and three links.

#include "about/about_form.h"
#include "settings/settings.h"

#include <QDialog>
#include <QUrl>
#include <functional>

namespace qm {

class Frm_about : public QDialog {
    Q_OBJECT
public:
    using UrlOpener = std::function<void(const QUrl &)>;

    // Without an opener, links go to the desktop's browser or mail program.
    Frm_about(const ProgramState &state, QWidget *owner, UrlOpener opener = {});

    const AboutForm &form() const { return aboutForm; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void wireLinks();
    void clearUnderlines();

    UrlOpener openUrl;
    AboutForm aboutForm;
};

} // namespace qm
