#include "form_layout.h"

#include "caption_fit.h"

#include <vector>

using form::Control;
using form::Kind;

namespace {

void AddNeed(std::vector<CaptionRoom> &captions, const FormCanvas &canvas,
             const form::ControlSpec &spec, std::u16string_view caption) {
    if (caption.empty())
        return;
    const FormCanvas::Size size = canvas.captionNeeds(spec.id, caption);
    const Rect room = spec.kind == Kind::Label ? form::LabelRoom(spec.twips) : spec.twips;
    captions.push_back({size.width, size.height, room});
}

// Whether each label's caption, as it needs to show whole, ends within the frame.
bool LabelsFitTheFrame(const FormCanvas &canvas,
                       const std::u16string (&captions)[form::kControlCount],
                       const TwipsScale &twips) {
    const int frameWidth = twips.rect(form::Spec(Control::Stats).twips).width;
    for (const form::ControlSpec &spec : form::kControls)
        if (spec.kind == Kind::Label &&
            twips.pixels(spec.twips.x) +
                    canvas.captionNeeds(spec.id, captions[static_cast<int>(spec.id)]).width >
                frameWidth)
            return false;
    return true;
}

} // namespace

FormLayout::FormLayout() {
    for (const form::ControlSpec &spec : form::kControls)
        captions_[static_cast<int>(spec.id)] = spec.caption;
}

void FormLayout::setCaption(Control label, std::u16string caption) {
    captions_[static_cast<int>(label)] = std::move(caption);
}

void FormLayout::layOut(FormCanvas &canvas) const {
    std::vector<CaptionRoom> captions;
    for (const form::ControlSpec &spec : form::kControls) {
        if (spec.kind != Kind::Button && spec.kind != Kind::Label)
            continue; // the text box scrolls, and the frame has no caption
        AddNeed(captions, canvas, spec, spec.caption);
        AddNeed(captions, canvas, spec, spec.otherCaption);
        if (spec.kind == Kind::Label && captions_[static_cast<int>(spec.id)] != spec.caption)
            AddNeed(captions, canvas, spec, captions_[static_cast<int>(spec.id)]);
    }
    const int dpi = canvas.dotsPerInch();
    double scale = ScaleToFit(captions, dpi);
    // The frame's edges round apart from a label's room in it, which can end a pixel past them.
    while (!LabelsFitTheFrame(canvas, captions_, TwipsScale(scale, dpi)))
        scale += 1.0 / 256;
    const TwipsScale twips(scale, dpi);

    // The epithet grows with the layout: 9.75 points bold at the design's size.
    canvas.setOutputPoints(form::kOutputPoints * scale);
    canvas.setClientSize(twips.pixels(form::kClient.width), twips.pixels(form::kClient.height));
    for (const form::ControlSpec &spec : form::kControls) {
        Rect at = twips.rect(spec.twips);
        // A label keeps its left edge and height, and takes the width of its caption.
        if (spec.kind == Kind::Label)
            at.width = canvas.labelWidth(spec.id, captions_[static_cast<int>(spec.id)]);
        canvas.place(spec.id, at);
    }
}
