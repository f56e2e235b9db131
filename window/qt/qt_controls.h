#pragma once

#include "window/form_layout.h"

#include <QString>

#include <string_view>

class QWidget;

inline QString Text(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// The Qt widget for a control of the form, in its first state, named as the form names it.
QWidget *CreateControl(const form::ControlEntry &entry, QWidget *parent);

// The pixels a caption needs to show whole in a button or a label made by CreateControl.
FormCanvas::Size CaptionNeeds(const QWidget *control, form::Kind kind, std::u16string_view caption);
