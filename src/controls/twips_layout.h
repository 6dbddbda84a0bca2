#pragma once
// A window's geometry in twips, one rectangle per control, keyed by an enum
// of the window's controls so a misspelt control cannot compile.
//
// Each window lists its controls once, as a macro of X(Kind, Name) entries in
// the order they are created and placed; the enum of keys, the object names,
// the form's typed members and the form's key lookup are all made from that
// one list.

#include <QRectF>
#include <QSizeF>

#include <array>
#include <cstddef>

// Pieces for expanding a window's control list.
#define QM_CONTROL_KEY(Kind, Name) Name,
#define QM_CONTROL_NAME(Kind, Name) #Name,
#define QM_CONTROL_MEMBER(Kind, Name) Kind *Name = nullptr;
#define QM_CONTROL_CASE(Kind, Name)                                                                \
    case Control::Name: return Name;

// In a window's layout header: the enum of its layout keys (ending with
// Count), their object names and controlName(), and the window's layout type.
#define QM_DECLARE_CONTROLS(Enum, Layout, LIST)                                                    \
    enum class Enum { LIST(QM_CONTROL_KEY) Count };                                                \
    inline constexpr std::array<const char *, std::size_t(Enum::Count)> k##Enum##Names{            \
        LIST(QM_CONTROL_NAME)};                                                                    \
    inline const char *controlName(Enum c) {                                                       \
        return k##Enum##Names[static_cast<std::size_t>(c)];                                        \
    }                                                                                              \
    using Layout = TwipsLayout<Enum>

// In a window's form: a typed member for each listed control and the lookup
// from a layout key to its control, defined with QM_DEFINE_FORM_LOOKUP where
// every control's class is complete.
#define QM_FORM_CONTROLS(Enum, LIST)                                                               \
    LIST(QM_CONTROL_MEMBER)                                                                        \
    QWidget *operator[](Enum c) const
#define QM_DEFINE_FORM_LOOKUP(Form, Enum, LIST)                                                    \
    QWidget *Form::operator[](Enum c) const {                                                      \
        using Control = Enum;                                                                      \
        switch (c) {                                                                               \
            LIST(QM_CONTROL_CASE)                                                                  \
        case Control::Count: break;                                                                \
        }                                                                                          \
        return nullptr;                                                                            \
    }

namespace qm {

template <typename Control> struct TwipsLayout {
    static constexpr std::size_t kCount = static_cast<std::size_t>(Control::Count);

    QSizeF window;                       // outer size, frame included
    std::array<QRectF, kCount> controls; // relative to each control's container

    QRectF &operator[](Control c) { return controls[static_cast<std::size_t>(c)]; }
    const QRectF &operator[](Control c) const { return controls[static_cast<std::size_t>(c)]; }
};

// Every value of a control enum, in order.
template <typename Control> constexpr std::array<Control, TwipsLayout<Control>::kCount> allOf() {
    std::array<Control, TwipsLayout<Control>::kCount> all{};
    for (std::size_t i = 0; i < all.size(); ++i)
        all[i] = static_cast<Control>(i);
    return all;
}

} // namespace qm
