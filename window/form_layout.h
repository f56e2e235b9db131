#pragma once

#include "scoffle_form.h"

#include <string>
#include <string_view>

// What laying the form out asks of a front end: its fonts' measures of captions, and the placing
// of its controls in pixels.
class FormCanvas {
public:
    struct Size {
        int width;
        int height;
    };

    virtual ~FormCanvas() = default;

    virtual int dotsPerInch() const = 0;
    // The pixels a caption needs to show whole in a control: a button's with its frame.
    virtual Size captionNeeds(form::Control control, std::u16string_view caption) const = 0;
    // The width a label takes for its caption.
    virtual int labelWidth(form::Control label, std::u16string_view caption) const = 0;
    virtual void setOutputPoints(double points) = 0;
    virtual void setClientSize(int width, int height) = 0;
    virtual void setLabelText(form::Control label, std::u16string_view text) = 0;
    virtual void place(form::Control control, const Rect &pixels) = 0;
};

// Lays the form out at the smallest scale of its twips, at least 1, at which every caption that
// must show whole fits in the canvas' fonts: the buttons' captions, Auto's two, and the labels'
// placeholders and the counts they show.
class FormLayout {
public:
    FormLayout();

    // Records a label's caption, which it takes the width of, for the next layOut: the layout
    // grows for counts of any size.
    void recordCaption(form::Control label, std::u16string caption);
    void layOut(FormCanvas &canvas) const;

    // Shows the counts in their labels and lays the form out again for them.
    void showCounts(FormCanvas &canvas, const std::u16string &adverbs,
                    const std::u16string &adjectives, const std::u16string &nouns);

private:
    std::u16string captions_[form::kControlCount]; // the labels' now
};
