#include "form_layout.h"

#include "caption_fit.h"

#include <vector>

using form::Control;
using form::Kind;

namespace {

void AddNeed(std::vector<CaptionRoom> &captions, const FormCanvas &canvas,
             const form::ControlEntry &entry, std::u16string_view caption) {
    if (caption.empty())
        return;
    const FormCanvas::Size size = canvas.captionNeeds(entry.id, caption);
    const Rect room = entry.kind == Kind::Label ? form::LabelRoom(entry.twips) : entry.twips;
    captions.push_back({size.width, size.height, room});
}

// Whether each label's caption, as it needs to show whole, ends within the frame.
bool LabelsFitTheFrame(const FormCanvas &canvas,
                       const std::u16string (&captions)[form::kControlCount],
                       const TwipsScale &twips) {
    const int frameWidth = twips.rect(form::EntryOf(Control::Stats).twips).width;
    for (const form::ControlEntry &entry : form::kControls)
        if (entry.kind == Kind::Label &&
            twips.pixels(entry.twips.x) +
                    canvas.captionNeeds(entry.id, captions[static_cast<int>(entry.id)]).width >
                frameWidth)
            return false;
    return true;
}

} // namespace

FormLayout::FormLayout() {
    for (const form::ControlEntry &entry : form::kControls)
        captions_[static_cast<int>(entry.id)] = entry.caption;
}

void FormLayout::recordCaption(Control label, std::u16string caption) {
    captions_[static_cast<int>(label)] = std::move(caption);
}

void FormLayout::showCounts(FormCanvas &canvas, const std::u16string &adverbs,
                            const std::u16string &adjectives, const std::u16string &nouns) {
    for (const auto &[label, caption] : {std::pair{Control::Adverbs, &adverbs},
                                         {Control::Adjectives, &adjectives},
                                         {Control::Nouns, &nouns}}) {
        canvas.setLabelText(label, *caption);
        recordCaption(label, *caption);
    }
    layOut(canvas);
}

void FormLayout::layOut(FormCanvas &canvas) const {
    std::vector<CaptionRoom> captions;
    for (const form::ControlEntry &entry : form::kControls) {
        if (entry.kind != Kind::Button && entry.kind != Kind::Label)
            continue; // the text box scrolls, and the frame has no caption
        AddNeed(captions, canvas, entry, entry.caption);
        AddNeed(captions, canvas, entry, entry.otherCaption);
        if (entry.kind == Kind::Label && captions_[static_cast<int>(entry.id)] != entry.caption)
            AddNeed(captions, canvas, entry, captions_[static_cast<int>(entry.id)]);
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
    for (const form::ControlEntry &entry : form::kControls) {
        Rect at = twips.rect(entry.twips);
        // A label keeps its left edge and height, and takes the width of its caption.
        if (entry.kind == Kind::Label)
            at.width = canvas.labelWidth(entry.id, captions_[static_cast<int>(entry.id)]);
        canvas.place(entry.id, at);
    }
}
