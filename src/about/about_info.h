#pragma once
// What the about window tells about the program and its makers. The contact
// values are placeholders until the makers fill in their own.

#include <QStringView>

namespace qm::about {

inline constexpr QStringView kSoftName = u"QuillmossJava编译器 v1.05";
inline constexpr QStringView kDate = u"2009.10.28";

inline constexpr QStringView kAuthor = u"Quillmoss 开发组";
inline constexpr QStringView kStudio = u"Quillmoss 工作室";
inline constexpr QStringView kQq = u"10000";
inline constexpr QStringView kEmail = u"support@example.org";

inline constexpr QStringView kHomePage = u"https://example.org/quillmoss";
inline constexpr QStringView kUpdatePage = u"https://example.org/quillmoss/update";

} // namespace qm::about
