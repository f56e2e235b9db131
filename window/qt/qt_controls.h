#pragma once

#include "window/form_layout.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>

#include <algorithm>
#include <iterator>
#include <string_view>

inline QString Text(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// The Qt widget that draws each kind of control.
template <form::Kind> struct WidgetOf;
template <> struct WidgetOf<form::Kind::Button> { using Type = QPushButton; };
template <> struct WidgetOf<form::Kind::TextBox> { using Type = QLineEdit; };
template <> struct WidgetOf<form::Kind::Frame> { using Type = QFrame; };
template <> struct WidgetOf<form::Kind::Label> { using Type = QLabel; };

// The form's controls as Qt widgets, each of the type that WidgetOf gives its kind: they are
// made here and nowhere else, so a control's type is settled once, where it is made.
class QtControls {
public:
    // Makes the widget for a row of the table, in its first state, named as the form names it.
    void make(const form::ControlEntry &entry, QWidget *parent);
    bool made() const {
        return std::all_of(std::begin(widgets_), std::end(widgets_),
                           [](const QWidget *widget) { return widget != nullptr; });
    }

    QWidget *widget(form::Control id) const { return widgets_[static_cast<int>(id)]; }

    // A control the code names, as the widget of its kind.
    template <form::Control id> auto *get() const {
        using Widget = typename WidgetOf<form::EntryOf(id).kind>::Type;
        return static_cast<Widget *>(widget(id));
    }

    // A control chosen as the program runs, which must be of the kind asked for.
    QPushButton *button(form::Control id) const { return as<form::Kind::Button>(id); }
    QLabel *label(form::Control id) const { return as<form::Kind::Label>(id); }

private:
    template <form::Kind kind> typename WidgetOf<kind>::Type *as(form::Control id) const {
        Q_ASSERT(form::EntryOf(id).kind == kind);
        return static_cast<typename WidgetOf<kind>::Type *>(widget(id));
    }

    QWidget *widgets_[form::kControlCount] = {}; // by form::Control
};

// The pixels a caption needs to show whole in a button or a label.
FormCanvas::Size CaptionNeeds(const QWidget *control, form::Kind kind, std::u16string_view caption);
