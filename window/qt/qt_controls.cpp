#include "qt_controls.h"

#include <QStyle>
#include <QStyleOptionButton>

using form::Kind;

void QtControls::make(const form::ControlEntry &entry, QWidget *parent) {
    // Named before anything else is set: a screen reader's view of a control is made as it
    // changes, and the text box's own is chosen by its name.
    const auto named = [&entry](auto *control) {
        control->setObjectName(Text(entry.name));
        return control;
    };
    QWidget *control = nullptr;
    switch (entry.kind) {
    case Kind::Button: {
        auto *button = named(new WidgetOf<Kind::Button>::Type(Text(entry.caption), parent));
        button->setToolTip(Text(entry.toolTip));
        // Qt's own way for a focused button to take Enter; elsewhere Enter falls through to the
        // window, which gives it to the default button.
        button->setAutoDefault(true);
        control = button;
        break;
    }
    case Kind::TextBox: {
        auto *box = named(new WidgetOf<Kind::TextBox>::Type(Text(entry.caption), parent));
        box->setMaxLength(form::kOutputLongest); // not Qt's default of 32,767
        QFont font(Text(form::kOutputFace));
        font.setStyleHint(QFont::SansSerif);
        font.setBold(form::kOutputBold);
        box->setFont(font);
        control = box;
        break;
    }
    case Kind::Frame:
        control = named(new WidgetOf<Kind::Frame>::Type(parent));
        break;
    case Kind::Label:
        control = named(new WidgetOf<Kind::Label>::Type(Text(entry.caption), parent));
        break;
    }
    if (!entry.accessibleName.empty())
        control->setAccessibleName(Text(entry.accessibleName));
    control->setHidden(entry.hidden);
    widgets_[static_cast<int>(entry.id)] = control;
}

FormCanvas::Size CaptionNeeds(const QWidget *control, Kind kind, std::u16string_view caption) {
    const QSize text = control->fontMetrics().size(Qt::TextShowMnemonic, Text(caption));
    if (kind == Kind::Button) {
        // The caption with the style's padding around it. The option carries no text, or
        // Fusion would add its least width for buttons with captions.
        QStyleOptionButton option;
        option.initFrom(control);
        option.features = QStyleOptionButton::AutoDefaultButton;
        const QSize size =
            control->style()->sizeFromContents(QStyle::CT_PushButton, &option, text, control);
        return {size.width(), size.height()};
    }
    // A label may lose its last column and row of pixels: at Qt's own default font the widest
    // placeholder needs just that, and there the layout stays as designed.
    return {text.width() - 1, text.height() - 1};
}
