#include "about/about_window.h"

#include "about/about_info.h"
#include "about/link_text.h"
#include "resources/resources.h"
#include "startup/named.h"
#include "startup/skin_button.h"
#include "startup/window_geometry.h"

#include <QDesktopServices>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>

namespace qm {

namespace {

// The contact frame sets the window's width; everything else hangs off it.
constexpr double kFrameLeft = 160;
constexpr double kFrameTop = 1110;
constexpr double kFrameWidth = 4950;
constexpr double kFrameHeight = 1140;
constexpr double kBaseHeightTwips = 3250;

const char *const kStyle = R"(
QDialog#Frm_about, QFrame#Fra_inform {
    background-color: rgb(192, 255, 255);
}
QFrame#Fra_inform {
    border: 1px solid #8aa58a;
    border-radius: 2px;
}
)";

QLabel *label(QWidget *parent, const char *name, QStringView text, QRectF twips) {
    auto *l = named(new QLabel(text.toString(), parent), name);
    placeTwips(l, twips);
    return l;
}

void valueField(QWidget *parent, const char *name, QStringView text, QRectF twips) {
    auto *field = named(new QLineEdit(text.toString(), parent), name);
    field->setReadOnly(true);
    field->setCursorPosition(0);
    placeTwips(field, twips);
}

void openWithDesktop(const QUrl &url) {
    QDesktopServices::openUrl(url);
}

} // namespace

AboutWindow::AboutWindow(const ProgramState &state, QWidget *owner, UrlOpener opener)
    : QDialog(owner), m_opener(opener ? std::move(opener) : UrlOpener(openWithDesktop)) {
    setObjectName(QStringLiteral("Frm_about"));
    setWindowTitle(QStringLiteral("关于"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);
    setStyleSheet(QLatin1String(kStyle));
    setMouseTracking(true);
    installEventFilter(this);
    buildHeader();
    buildContactBlock();
    buildLinks();

    auto *close = named(new SkinButton(QStringLiteral("确定"), this), "Cmd_close1");
    placeTwips(close, {kFrameLeft + kFrameWidth - 1000, kFrameTop + kFrameHeight + 90, 1000, 345});
    close->setDefault(true);
    close->setFocus();
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    const double height = kBaseHeightTwips + state.settings.Mode;
    sizeAndPlaceWindow(this, QSizeF(kFrameWidth + 320, height));
}

void AboutWindow::buildHeader() {
    initResources();
    auto *banner = named(new QLabel(this), "Image1");
    banner->setPixmap(QPixmap(QStringLiteral(":/quillmoss/about_banner.png")));
    banner->setScaledContents(true);
    placeTwips(banner, {kFrameLeft, 105, kFrameWidth, 600});

    QLabel *name = label(this, "Lab_softname", about::kSoftName, {kFrameLeft, 750, 3300, 330});
    QFont big = name->font();
    big.setPointSize(12);
    name->setFont(big);
    QLabel *date = label(this, "Lab_date", about::kDate, {kFrameLeft + 3300, 780, 1650, 270});
    date->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void AboutWindow::buildContactBlock() {
    m_frame = named(new QFrame(this), "Fra_inform");
    m_frame->setFrameShape(QFrame::StyledPanel);
    m_frame->setMouseTracking(true);
    m_frame->installEventFilter(this);
    placeTwips(m_frame, {kFrameLeft, kFrameTop, kFrameWidth, kFrameHeight});

    label(m_frame, "Lab_myname", u"作者:", {150, 150, 700, 240});
    valueField(m_frame, "Txt_myname", about::kAuthor, {870, 135, 2010, 270});
    label(m_frame, "Lab_group", u"组织:", {150, 465, 700, 240});
    valueField(m_frame, "Txt_group", about::kStudio, {870, 450, 2010, 270});
    label(m_frame, "Lab_qq", u"QQ:", {3030, 150, 480, 240});
    valueField(m_frame, "Txt_qq", about::kQq, {3510, 135, 1290, 270});
}

void AboutWindow::buildLinks() {
    label(m_frame, "Lab_email", u"E-mail:", {150, 780, 700, 240});
    label(m_frame, "Lab_any", u"相关链接:", {3030, 465, 1770, 240});
    link("Txt_homepage", u"个人主页", QUrl(about::kHomePage.toString()), {3030, 780, 780, 240});
    link("Txt_update", u"检查更新", QUrl(about::kUpdatePage.toString()), {3930, 780, 780, 240});
    link("Txt_email", about::kEmail, QUrl(QStringLiteral("mailto:") + about::kEmail.toString()),
         {870, 780, 2010, 240});
}

LinkText *AboutWindow::link(const char *name, QStringView text, const QUrl &target, QRectF twips) {
    auto *l = named(new LinkText(text.toString(), m_frame), name);
    placeTwips(l, twips);
    m_links.append(l);
    connect(l, &LinkText::activated, this, [this, target] { m_opener(target); });
    return l;
}

bool AboutWindow::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::MouseMove && (watched == this || watched == m_frame))
        clearUnderlines();
    return QDialog::eventFilter(watched, event);
}

void AboutWindow::clearUnderlines() {
    // Kept in the order homepage, update, e-mail.
    for (LinkText *l : std::as_const(m_links))
        l->setUnderlined(false);
}

} // namespace qm
