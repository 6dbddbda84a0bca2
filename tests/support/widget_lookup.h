#pragma once
// Finding a window's control by its object name in widget tests.

#include "controls/twips_layout.h"

#include <QTest>
#include <QWidget>

namespace qm::testing {

// The control named `name` in `window`; the test stops when there is none.
template <typename W> W *child(QWidget &window, const char *name) {
    W *w = window.findChild<W *>(QLatin1String(name));
    if (!w)
        qFatal("no control %s", name);
    return w;
}

// Every layout key of a window's form reaches a control of the window that
// carries the key's name, so a placement can never land on the wrong control.
template <typename Control, typename Form>
void verifyEveryKeyNamesItsControl(const Form &form, QWidget &window) {
    for (const Control c : allOf<Control>()) {
        QWidget *control = form[c];
        QVERIFY2(control, controlName(c));
        QCOMPARE(control->objectName(), QLatin1String(controlName(c)));
        QVERIFY2(window.isAncestorOf(control), controlName(c));
    }
}

} // namespace qm::testing
