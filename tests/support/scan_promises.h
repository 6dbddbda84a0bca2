#pragma once
// What the main-class scan promises for any text whatever, held by the unit
// test on random texts and by the fuzzer.

#include "build/java_outline.h"
#include "literal_class_scan.h"
#include "workspace/class_scan.h"

#include <QString>

#include <algorithm>

namespace qm::testing {

namespace scan_detail {

inline bool sameScan(const ClassScan &a, const ClassScan &b) {
    return a.fileName == b.fileName && a.ClassNames == b.ClassNames && a.ClassCount == b.ClassCount;
}

// Whether javac accepts a file named `name` for these top-level types: no
// public type but one of that name.
inline bool javacAccepts(const QList<build::TopLevelType> &types, const QString &name) {
    return std::all_of(types.cbegin(), types.cend(), [&](const build::TopLevelType &type) {
        return !type.isPublic || type.name == name;
    });
}

inline bool namesMainHolder(const QList<build::TopLevelType> &types, const QString &name) {
    return std::any_of(types.cbegin(), types.cend(), [&](const build::TopLevelType &type) {
        return type.holdsMain && type.name == name;
    });
}

} // namespace scan_detail

// "" when the scan keeps its promises for `text`, else the one it broke.
inline QString brokenScanPromise(const QString &text) {
    using namespace scan_detail;
    const QByteArray utf8 = text.toUtf8();
    const ClassScan scan = scanMainClassUtf8(utf8);
    const build::SourceOutline outline = build::outlineOf(utf8);
    const QList<build::TopLevelType> &types = outline.topLevelTypes;
    const bool declared = std::any_of(types.cbegin(), types.cend(),
                                      [&](const auto &type) { return type.name == scan.fileName; });
    if (types.isEmpty() ? !scan.fileName.isEmpty() : !declared)
        return QStringLiteral("the name is no declared top-level type");
    if (scan.ClassNames != outline.typeNames || scan.ClassCount != scan.ClassNames.size())
        return QStringLiteral("ClassNames are not the declared types");

    const QString earlier = literal::keptNames(literal::scanMainClass(text)).fileName;
    if (stepByStepName(utf8) != earlier)
        return QStringLiteral("the step-by-step name differs from the reference's");
    if (namesMainHolder(types, earlier) && javacAccepts(types, earlier) && scan.fileName != earlier)
        return QStringLiteral("a right name of the step-by-step rule was not kept");

    // Nothing a comment holds counts. (The step-by-step rule read every
    // "class" and header, comments included: these comments hold neither.)
    for (const char *comment : {"/* public interface Evil { static void main(String[] a) {} } */",
                                "// public enum Evil {\n"}) {
        if (!sameScan(scanMainClass(QLatin1String(comment) + text), scan))
            return QStringLiteral("a comment before the text changed the scan");
    }
    return {};
}

} // namespace qm::testing
