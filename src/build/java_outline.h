#pragma once
// The types a Java source declares, read in one pass over its tokens: which
// are top-level, which of those are public, and which hold a main method the
// java launcher can start.

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

namespace qm::build {

// Longest type name kept. No file system takes a longer file name, and the
// file-name field shows it on every keystroke.
inline constexpr qsizetype kMaxTypeNameLength = 256;

struct TopLevelType {
    QString name;
    bool isPublic = false;
    // Its body declares main as the launcher needs it: public (implied in an
    // interface) and static, void, one parameter String[], String... or
    // String a[], whatever the modifiers' order, annotations, final, spacing
    // and comments in between.
    bool holdsMain = false;
};

struct SourceOutline {
    QList<TopLevelType> topLevelTypes; // in text order
    // Every type declared with class, interface, enum or record (an
    // annotation type too), nested and local ones as well, in order and each
    // once; a class literal (Hello.class) declares nothing.
    QStringList typeNames;
};

// Types nest by their braces: while a "{" typed in a method is not closed
// yet, the types after it count as nested.
SourceOutline outlineOf(QByteArrayView utf8);

// Reads text after text, as the editor's changes from keystroke to
// keystroke: each reading resumes at the last point before the first changed
// byte that nothing from that byte on had decided, so a key typed near the end
// of a long text costs a reading of little more than the end. The outline is
// always the one outlineOf gives.
class OutlineReader {
public:
    OutlineReader();
    ~OutlineReader();
    OutlineReader(const OutlineReader &) = delete;
    OutlineReader &operator=(const OutlineReader &) = delete;

    // Valid until the next reading.
    const SourceOutline &read(QByteArrayView utf8);

private:
    class Reading;
    friend SourceOutline outlineOf(QByteArrayView utf8);
    std::unique_ptr<Reading> reading;
};

} // namespace qm::build
