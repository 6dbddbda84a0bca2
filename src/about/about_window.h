#pragma once
// Frm_about: the modal about window with the program's name, version, date,
// the makers' contact block and three links.

#include "settings/settings.h"

#include <QDialog>
#include <QUrl>
#include <functional>

class QFrame;

namespace qm {

class LinkText;

class AboutWindow : public QDialog {
    Q_OBJECT
public:
    using UrlOpener = std::function<void(const QUrl &)>;

    // Without an opener, links go to the desktop's browser or mail program.
    AboutWindow(const ProgramState &state, QWidget *owner, UrlOpener opener = {});

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildHeader();
    void buildContactBlock();
    void buildLinks();
    LinkText *link(const char *name, QStringView text, const QUrl &target, QRectF twips);
    void clearUnderlines();

    UrlOpener m_opener;
    QFrame *m_frame = nullptr;
    QList<LinkText *> m_links;
};

} // namespace qm
