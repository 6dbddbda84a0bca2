#pragma once
// Deriving the source's file name from its main class, on every edit.

#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace qm {

// Each name is what the text between "class" and the next "{" holds without
// its line breaks, its leading and trailing spaces and everything from its
// first inner space on, cut further to its leading Java identifier ("Box<T>"
// gives "Box").
struct ClassScan {
    QString fileName;       // what Txt_file shows after the scan
    int ClassCount = 0;     // occurrences of "class", inside words too
    QStringList ClassNames; // ClassCount entries; those the scan did not reach stay ""
};

// Longest name kept. No file system takes a longer file name, and without a
// limit a pasted run of "classclass..." without spaces would copy the rest of
// the text once per occurrence.
inline constexpr qsizetype kMaxNameLength = 256;

// The main-class scan over the whole editor text. Runs in time linear in the
// text plus the length of the names it returns.
ClassScan scanMainClass(const QString &text);

// The same scan over the UTF-8 bytes of the text, as the editor holds them,
// which spares converting the whole text on every keystroke.
ClassScan scanMainClassUtf8(QByteArrayView utf8);

} // namespace qm
