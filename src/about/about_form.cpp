#include "about/about_form.h"

#include "about/about_info.h"
#include "about/link_text.h"
#include "controls/named.h"
#include "controls/skin_button.h"
#include "resources/resources.h"

#include <QLabel>
#include <QLineEdit>
#include <QPixmap>

namespace qm {

namespace {

using enum AboutControl;

template <typename T> T *make(T *control, AboutControl c) {
    return named(control, controlName(c));
}

QLabel *label(QWidget *parent, AboutControl c, QStringView text) {
    return make(new QLabel(text.toString(), parent), c);
}

QLineEdit *valueField(QWidget *parent, AboutControl c, QStringView text) {
    auto *field = make(new QLineEdit(text.toString(), parent), c);
    field->setReadOnly(true);
    field->setCursorPosition(0);
    return field;
}

void buildHeader(AboutForm &f, QWidget *window) {
    initResources();
    f.Image1 = make(new QLabel(window), Image1);
    f.Image1->setPixmap(QPixmap(QStringLiteral(":/quillmoss/about_banner.png")));
    f.Image1->setScaledContents(true);
    f.Lab_softname = label(window, Lab_softname, about::kSoftName);
    QFont big = f.Lab_softname->font();
    big.setPointSize(12);
    f.Lab_softname->setFont(big);
    f.Lab_date = label(window, Lab_date, about::kDate);
    f.Lab_date->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void buildContactBlock(AboutForm &f, QWidget *window) {
    f.Fra_inform = make(new QFrame(window), Fra_inform);
    f.Fra_inform->setFrameShape(QFrame::StyledPanel);
    QWidget *frame = f.Fra_inform;
    f.Lab_myname = label(frame, Lab_myname, u"作者:");
    f.Txt_myname = valueField(frame, Txt_myname, about::kAuthor);
    f.Lab_group = label(frame, Lab_group, u"组织:");
    f.Txt_group = valueField(frame, Txt_group, about::kStudio);
    f.Lab_qq = label(frame, Lab_qq, u"QQ:");
    f.Txt_qq = valueField(frame, Txt_qq, about::kQq);
    f.Lab_email = label(frame, Lab_email, u"E-mail:");
    f.Txt_email = make(new LinkText(about::kEmail.toString(), frame), Txt_email);
    f.Lab_any = label(frame, Lab_any, u"相关链接:");
    f.Txt_homepage = make(new LinkText(QStringLiteral("个人主页"), frame), Txt_homepage);
    f.Txt_update = make(new LinkText(QStringLiteral("检查更新"), frame), Txt_update);
}

} // namespace

QM_DEFINE_FORM_LOOKUP(AboutForm, AboutControl, QM_ABOUT_CONTROLS)

AboutForm buildAboutForm(QWidget *window) {
    AboutForm f;
    buildHeader(f, window);
    buildContactBlock(f, window);
    f.Cmd_close1 = make(new SkinButton(QStringLiteral("确定"), window), Cmd_close1);
    return f;
}

} // namespace qm
