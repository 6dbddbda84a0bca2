#include "about/about_window.h"

#include "about/about_info.h"
#include "about/link_text.h"
#include "controls/fixed_dialog.h"
#include "controls/skin_button.h"
#include "controls/window_geometry.h"

#include <QDesktopServices>
#include <QEvent>
#include <QFrame>

namespace qm {

namespace {

const char *const kStyle = R"(
QDialog#Frm_about, QFrame#Fra_inform {
    background-color: rgb(192, 255, 255);
}
QFrame#Fra_inform {
    border: 1px solid #8aa58a;
    border-radius: 2px;
}
)";

void openWithDesktop(const QUrl &url) {
    QDesktopServices::openUrl(url);
}

} // namespace

Frm_about::Frm_about(const ProgramState &state, QWidget *owner, UrlOpener opener)
    : QDialog(owner), openUrl(opener ? std::move(opener) : UrlOpener(openWithDesktop)) {
    makeFixedDialog(this, "Frm_about", QStringLiteral("关于"), kStyle);
    aboutForm = buildAboutForm(this);
    wireLinks();
    connect(aboutForm.Cmd_close1, &QPushButton::clicked, this, &QDialog::accept);
    aboutForm.Cmd_close1->setDefault(true);
    aboutForm.Cmd_close1->setFocus();

    const AboutLayout layout = aboutLayout(state.settings.Mode);
    placeControls(aboutForm, layout);
    sizeAndPlaceWindow(this, layout.window);
}

void Frm_about::wireLinks() {
    // Leaving the links for the background or the frame clears every underline.
    setMouseTracking(true);
    installEventFilter(this);
    aboutForm.Fra_inform->setMouseTracking(true);
    aboutForm.Fra_inform->installEventFilter(this);
    const QUrl mail(QStringLiteral("mailto:") + about::kEmail.toString());
    const std::pair<LinkText *, QUrl> links[] = {
        {aboutForm.Txt_homepage, QUrl(about::kHomePage.toString())},
        {aboutForm.Txt_update, QUrl(about::kUpdatePage.toString())},
        {aboutForm.Txt_email, mail},
    };
    for (const auto &[link, target] : links)
        connect(link, &LinkText::activated, this, [this, url = target] { openUrl(url); });
}

bool Frm_about::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::MouseMove && (watched == this || watched == aboutForm.Fra_inform))
        clearUnderlines();
    return QDialog::eventFilter(watched, event);
}

void Frm_about::clearUnderlines() {
    for (LinkText *link : {aboutForm.Txt_homepage, aboutForm.Txt_update, aboutForm.Txt_email})
        link->setUnderlined(false);
}

} // namespace qm
