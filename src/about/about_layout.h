#pragma once
// Geometry of the about window, in twips. The contact frame sets the
// window's width; everything else hangs off it.

#include "controls/twips_layout.h"

#include <array>

namespace qm {

// Lab_myname through Txt_update lie in Fra_inform; the rest in the window.
// clang-format off
#define QM_ABOUT_CONTROLS(X) \
    /* the header */ \
    X(QLabel, Image1) X(QLabel, Lab_softname) X(QLabel, Lab_date) \
    /* the contact block */ \
    X(QFrame, Fra_inform) X(QLabel, Lab_myname) X(QLineEdit, Txt_myname) X(QLabel, Lab_group) \
    X(QLineEdit, Txt_group) X(QLabel, Lab_qq) X(QLineEdit, Txt_qq) X(QLabel, Lab_email) \
    X(LinkText, Txt_email) X(QLabel, Lab_any) X(LinkText, Txt_homepage) X(LinkText, Txt_update) \
    X(SkinButton, Cmd_close1)
// clang-format on

QM_DECLARE_CONTROLS(AboutControl, AboutLayout, QM_ABOUT_CONTROLS);

// 3250 + Mode high, as wide as the contact frame and 320 more.
AboutLayout aboutLayout(int Mode);

} // namespace qm
