#pragma once
// The checks that run on every change of the option fields, and what "应用"
// does with the fields' texts. No widgets here.

#include "settings/settings.h"

#include <QString>
#include <QStringView>

namespace qm {

// An applet size text stays only when it is exactly the canonical rendering
// of its own leading number (read with ".", rendered with `decimalPoint`),
// is not "0" and is not above 9999. Anything else is wiped.
bool appletTextKeeps(QStringView text, const QString &decimalPoint);

// The decimal separator the fields render numbers with.
QString localeDecimalPoint();

struct HeightCheck {
    enum Kind {
        Pending,  // a lone "-": the user is about to type a negative number
        Accepted, // the text is a canonical offset in range
        Wiped,    // anything else: the field empties, the offset becomes 0
    };
    Kind kind = Wiped;
    qint16 pendingMode = 0; // the offset "应用" would store; meaningful for Accepted and Wiped
};

HeightCheck checkHeightText(QStringView text);

// The entries of the build-kind list, in the order of BuildKind.
inline constexpr QStringView kStandardProgramText = u"Java 标准程序";
inline constexpr QStringView kAppletText = u"Applet 应用程序";

// What the window holds when "应用" is clicked; after applying, the texts the
// fields must show.
struct OptionsForm {
    QString heightText;
    qint16 pendingMode = 0;
    qint16 pendingClass = 0;
    QString compTypeText;
    QString apHeightText;
    QString apWidthText;
};

// Stores Class and Mode, rewrites MySet.ini (always, even when nothing
// changed), then updates the per-run build values. Returns the form as the
// fields must show it afterwards.
OptionsForm applyOptions(ProgramState &state, OptionsForm form);

} // namespace qm
