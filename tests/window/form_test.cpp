// The window's form as both front ends make it: the table, the keys' roles, and the layout over
// a canvas whose font is given in pixels a character.
#include "window/form_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <vector>

namespace {

using form::Control;

// A font of fixed-width characters; a button's caption also needs its frame.
class FixedWidthCanvas : public FormCanvas {
public:
    FixedWidthCanvas(int dpi, int charWidth) : dpi_(dpi), charWidth_(charWidth) {}

    int dotsPerInch() const override { return dpi_; }
    Size captionNeeds(Control control, std::u16string_view caption) const override {
        measured.push_back(control);
        const bool button = form::EntryOf(control).kind == form::Kind::Button;
        return {width(caption) + (button ? 12 : 0), charWidth_ * 2 + (button ? 8 : 0)};
    }
    int labelWidth(Control, std::u16string_view caption) const override { return width(caption); }
    void setOutputPoints(double value) override { points = value; }
    void setClientSize(int width, int height) override { client = {0, 0, width, height}; }
    void setLabelText(Control label, std::u16string_view text) override { shown[label] = text; }
    void place(Control control, const Rect &pixels) override { placed[control] = pixels; }

    // The caption's width without its access key's "&".
    int width(std::u16string_view caption) const {
        const auto marks = std::count(caption.begin(), caption.end(), u'&');
        return static_cast<int>(caption.size() - marks) * charWidth_;
    }

    mutable std::vector<Control> measured;
    double points = 0;
    Rect client;
    std::map<Control, Rect> placed;
    std::map<Control, std::u16string> shown;

private:
    int dpi_;
    int charWidth_;
};

bool Overlap(const Rect &a, const Rect &b) {
    return a.x < b.right() && b.x < a.right() && a.y < b.bottom() && b.y < a.bottom();
}

TEST(Form, TabVisitsMakeClipSaveTextExitAutoSkippingTheFrameAndLabels) {
    const std::array<Control, 6> expected = {Control::Make,   Control::Clip, Control::Save,
                                             Control::Output, Control::Exit, Control::Auto};
    EXPECT_EQ(form::TabOrder(), expected);
    std::vector<bool> used(form::kControlCount);
    for (const form::ControlEntry &entry : form::kControls)
        used.at(static_cast<size_t>(entry.tabIndex)) = true;
    EXPECT_EQ(std::count(used.begin(), used.end(), true), form::kControlCount);
}

TEST(Form, EnterClicksTheFocusedCommandButtonAndMakeFromAnywhereElse) {
    const struct {
        std::optional<Control> focused;
        Control clicked;
    } rows[] = {
        {std::nullopt, Control::Make},  {Control::Output, Control::Make},
        {Control::Make, Control::Make}, {Control::Clip, Control::Clip},
        {Control::Save, Control::Save}, {Control::Exit, Control::Exit},
        {Control::Auto, Control::Auto}, {Control::Stats, Control::Make},
    };
    for (const auto &row : rows)
        EXPECT_EQ(form::ButtonForEnter(row.focused), row.clicked)
            << (row.focused ? static_cast<int>(*row.focused) : -1);
    EXPECT_EQ(form::kCancelButton, Control::Exit);
}

TEST(Form, StartsWithOnlyTheFrameHiddenAndTheSettingsAsTheyPair) {
    for (const form::ControlEntry &entry : form::kControls)
        EXPECT_EQ(entry.hidden, entry.id == Control::Stats) << static_cast<int>(entry.id);
    EXPECT_FALSE(form::kSettingItems[static_cast<int>(form::Setting::Stats)].checked);
    EXPECT_FALSE(form::kSettingItems[static_cast<int>(form::Setting::Single)].checked);
    EXPECT_EQ(form::kAutoOn, u"&Auto On");
}

class FormLayoutAt : public testing::TestWithParam<int> {};

// At a font that fits, the layout is the twips at the resolution, and nothing overlaps.
TEST_P(FormLayoutAt, PlacesEveryControlAtItsTwipsWhereEveryCaptionFits) {
    const int dpi = GetParam();
    FixedWidthCanvas canvas(dpi, 5 * dpi / 96);
    FormLayout().layOut(canvas);
    const TwipsScale twips(1.0, dpi);
    EXPECT_EQ(canvas.client.width, twips.pixels(5955));
    EXPECT_EQ(canvas.client.height, twips.pixels(1275));
    EXPECT_EQ(canvas.points, 9.75);
    ASSERT_EQ(canvas.placed.size(), static_cast<size_t>(form::kControlCount));
    for (const form::ControlEntry &entry : form::kControls) {
        const Rect at = canvas.placed[entry.id], expected = twips.rect(entry.twips);
        EXPECT_EQ(at.x, expected.x);
        EXPECT_EQ(at.y, expected.y);
        EXPECT_EQ(at.height, expected.height);
        if (entry.kind != form::Kind::Label)
            EXPECT_EQ(at.width, expected.width);
        for (const form::ControlEntry &other : form::kControls)
            if (&other != &entry && form::InFrame(other.id) == form::InFrame(entry.id))
                EXPECT_FALSE(Overlap(at, canvas.placed[other.id]))
                    << static_cast<int>(entry.id) << " and " << static_cast<int>(other.id);
    }
    EXPECT_EQ(canvas.placed[Control::Stats].right(), canvas.placed[Control::Auto].x);
}

INSTANTIATE_TEST_SUITE_P(Resolutions, FormLayoutAt, testing::Values(96, 120, 144, 192));

TEST(FormLayout, MeasuresOnlyTheCaptionsThatMustShowWhole) {
    FixedWidthCanvas canvas(96, 5);
    FormLayout().layOut(canvas);
    for (const Control control : canvas.measured)
        EXPECT_TRUE(control != Control::Output && control != Control::Stats);
    EXPECT_EQ(std::count(canvas.measured.begin(), canvas.measured.end(), Control::Auto), 2);
}

// With the placeholders and with a count of six digits, at fonts from fitting to twice too wide.
TEST(FormLayout, GrowsTheWholeLayoutForTheWidestCaptionSoNoneIsCut) {
    FormLayout placeholders, counts;
    counts.recordCaption(Control::Adjectives, u"120000 Adjectives");
    for (const int charWidth : {6, 9, 14}) {
        for (const FormLayout *layout : {&placeholders, &counts}) {
            FixedWidthCanvas canvas(96, charWidth);
            layout->layOut(canvas);
            for (const form::ControlEntry &entry : form::kControls) {
                const Rect at = canvas.placed[entry.id];
                if (entry.kind == form::Kind::Button) {
                    for (std::u16string_view caption : {entry.caption, entry.otherCaption})
                        EXPECT_LE(canvas.captionNeeds(entry.id, caption).width, at.width);
                } else if (entry.kind == form::Kind::Label) {
                    // A label takes its caption's width and ends within the frame.
                    EXPECT_LE(at.right(), canvas.placed[Control::Stats].width)
                        << charWidth << ' ' << static_cast<int>(entry.id);
                }
            }
            const double scale = canvas.client.width / 397.0;
            EXPECT_GE(scale, 1.0);
            EXPECT_NEAR(canvas.points, 9.75 * scale, 0.1);
        }
    }
}

TEST(FormLayout, ShowsTheCountsEachLabelTakingItsCaptionsWidthKeepingItsLeftEdge) {
    FormLayout layout;
    FixedWidthCanvas canvas(96, 5);
    layout.showCounts(canvas, u"1 Adverbs", u"8888 Adjectives", u"12345 Nouns");
    EXPECT_EQ(canvas.shown[Control::Nouns], u"12345 Nouns");
    EXPECT_EQ(canvas.placed[Control::Adverbs].width, canvas.width(u"1 Adverbs"));
    EXPECT_EQ(canvas.placed[Control::Nouns].width, canvas.width(u"12345 Nouns"));
    EXPECT_EQ(canvas.placed[Control::Adjectives].width, canvas.width(u"8888 Adjectives"));
    for (const Control label : {Control::Adverbs, Control::Nouns})
        EXPECT_EQ(canvas.placed[label].x, 7);
}

} // namespace
