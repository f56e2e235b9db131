#pragma once

#include "compose/epithet_style.h"
#include "twips.h"

#include <array>
#include <iterator>
#include <optional>
#include <string_view>

// The main window as it is made, whatever toolkit draws it: every control and menu item with
// its place in twips, its caption and tooltip, how the keyboard reaches it, and its first state.
// Each front end creates what this lists and decides none of it itself. The Qt window makes the
// controls in the table's order and sets the tab order from TabOrder(); the Win32 window makes
// the controls that take the focus first, in TabOrder(), since the dialog manager's Tab follows
// the order of making, then the rest in the table's order. The rules below the table hold it to
// what both rely on; a table that breaks one does not compile.
namespace form {

inline constexpr std::u16string_view kName = u"frmScoffle";
inline constexpr std::u16string_view kTitle = u"Zestive Vilifex";
inline constexpr Rect kClient{0, 0, 5955, 1275};

inline constexpr std::u16string_view kTimerName = u"tmrRun";
inline constexpr int kAutoIntervalMs = 4000;

enum class Kind { Button, TextBox, Frame, Label };

// The controls, in the table's order.
enum class Control { Auto, Clip, Stats, Adjectives, Adverbs, Nouns, Save, Output, Make, Exit };

struct ControlEntry {
    Control id;
    Kind kind;
    std::u16string_view name;
    Rect twips; // a label's within the frame, everything else's within the client area
    std::u16string_view caption;
    std::u16string_view toolTip;
    int tabIndex;
    std::u16string_view otherCaption;   // a second caption it must show whole, as Auto's "Off"
    bool hidden;                        // at start
    std::u16string_view accessibleName; // for a control whose caption does not name it
};

// A table reads best in its columns.
// clang-format off
inline constexpr ControlEntry kControls[] = {
    // id, kind, name, twips, caption, tooltip, tab index, other caption, hidden, accessible name
    {Control::Auto, Kind::Button, u"cmdAuto", {1650, 750, 900, 360}, u"&Auto On",
     u"Scoffle every 4 sec", 9, u"&Auto Off", false, u""},
    {Control::Clip, Kind::Button, u"cmdClip", {3539, 750, 645, 360}, u"&Clip",
     u"Copies to Clipboard", 1, u"", false, u""},
    {Control::Stats, Kind::Frame, u"fraStats", {120, 585, 1530, 705}, u"",
     u"", 4, u"", true, u"Statistics"},
    {Control::Adjectives, Kind::Label, u"lblAdjectives", {105, 225, 1140, 195}, u"8888 Adjectives",
     u"", 6, u"", false, u""},
    {Control::Adverbs, Kind::Label, u"lblAdverbs", {105, 0, 990, 195}, u"8888 Adverbs",
     u"", 5, u"", false, u""},
    {Control::Nouns, Kind::Label, u"lblNouns", {105, 450, 870, 195}, u"8888 Nouns",
     u"", 7, u"", false, u""},
    {Control::Save, Kind::Button, u"cmdSave", {4356, 750, 645, 360}, u"&Save",
     u"Adds to SAVED.TXT", 2, u"", false, u""},
    {Control::Output, Kind::TextBox, u"txtOutput", {75, 120, 5730, 390},
     u"verbose, splendiferous generator", u"", 3, u"", false, u"Epithet"},
    {Control::Make, Kind::Button, u"cmdMake", {2722, 750, 645, 360}, u"&Make",
     u"", 0, u"", false, u""},
    {Control::Exit, Kind::Button, u"cmdExit", {5175, 750, 645, 360}, u"E&xit",
     u"", 8, u"", false, u""},
};
// clang-format on

inline constexpr int kControlCount = static_cast<int>(std::size(kControls));

constexpr const ControlEntry &EntryOf(Control control) {
    return kControls[static_cast<int>(control)];
}

// Whether each row of a table stands where its value of the enum says, so that the value finds
// its row, and every value up to `last` has one.
template <typename Row, size_t count, typename Enum>
constexpr bool RowsFollowTheEnum(const Row (&rows)[count], Enum Row::*value, Enum last) {
    for (size_t index = 0; index < count; ++index)
        if (rows[index].*value != static_cast<Enum>(index))
            return false;
    return static_cast<size_t>(last) + 1 == count;
}
static_assert(RowsFollowTheEnum(kControls, &ControlEntry::id, Control::Exit),
              "kControls must list every Control, in the enum's order");

// A label is placed within the frame, which must be made before it.
constexpr bool FrameBeforeItsLabels() {
    for (int index = 0; index < kControlCount; ++index)
        if (kControls[index].kind == Kind::Label && index < static_cast<int>(Control::Stats))
            return false;
    return kControls[static_cast<int>(Control::Stats)].kind == Kind::Frame;
}
static_assert(FrameBeforeItsLabels(), "the frame must come before the labels in kControls");

// Tab indices number the controls from 0, each once.
constexpr bool TabIndicesNumberEveryControl() {
    for (int index = 0; index < kControlCount; ++index) {
        int holders = 0;
        for (const ControlEntry &entry : kControls)
            holders += entry.tabIndex == index;
        if (holders != 1)
            return false;
    }
    return true;
}
static_assert(TabIndicesNumberEveryControl(), "each tab index from 0 must be given once");

inline constexpr std::u16string_view kAutoOn = EntryOf(Control::Auto).caption;
inline constexpr std::u16string_view kAutoOff = EntryOf(Control::Auto).otherCaption;

// The labels lie in the statistics frame; everything else on the window itself.
constexpr bool InFrame(Control control) {
    return EntryOf(control).kind == Kind::Label;
}

// The frame and the labels hold tab indices but never take the focus.
constexpr bool TakesFocus(Control control) {
    return EntryOf(control).kind == Kind::Button || EntryOf(control).kind == Kind::TextBox;
}

constexpr int CountFocusable() {
    int count = 0;
    for (const ControlEntry &entry : kControls)
        count += TakesFocus(entry.id);
    return count;
}
inline constexpr int kFocusableCount = CountFocusable();

// The controls that Tab visits, in the order it visits them.
constexpr std::array<Control, kFocusableCount> TabOrder() {
    std::array<Control, kFocusableCount> order{};
    size_t next = 0;
    for (int index = 0; index < kControlCount; ++index)
        for (const ControlEntry &entry : kControls)
            if (entry.tabIndex == index && TakesFocus(entry.id))
                order[next++] = entry.id;
    return order;
}

// Enter clicks the default button, and Esc the cancel button.
inline constexpr Control kDefaultButton = Control::Make;
inline constexpr Control kCancelButton = Control::Exit;

// The button Enter clicks while `focused` has the focus: a command button clicks itself.
constexpr Control ButtonForEnter(std::optional<Control> focused) {
    return focused && EntryOf(*focused).kind == Kind::Button ? *focused : kDefaultButton;
}

// A fixed layout: the window keeps its size, with no maximise box and no border to resize by.
inline constexpr bool kResizable = false;

// The text box takes an epithet of any length, as far as a Win32 edit control can: a toolkit's
// own limit would cut a long one, and Clip and Save with it.
inline constexpr int kOutputLongest = 0x7FFFFFFE;

// The epithet's own font, bold, at this size for the twips as they stand.
inline constexpr std::u16string_view kOutputFace = u"MS Sans Serif";
inline constexpr double kOutputPoints = 9.75;
inline constexpr bool kOutputBold = true;

// A label widens with its caption, up to the frame's edge where the Auto button begins.
constexpr Rect LabelRoom(const Rect &label) {
    return {label.x, label.y, EntryOf(Control::Stats).twips.width - label.x, label.height};
}

// The menus: File with its one item, and the four Settings items, in their menus' order.
struct Menu {
    std::u16string_view name;
    std::u16string_view caption;
};
inline constexpr Menu kFileMenu{u"mnuFile", u"&File"};
inline constexpr Menu kFileExit{u"mnuFileExit", u"E&xit"};
inline constexpr Menu kSettingsMenu{u"mnuSettings", u"&Settings"};

enum class Setting { Stats, Commas, Order, Single };

struct SettingItem {
    Setting setting;
    std::u16string_view name;
    std::u16string_view caption;
    bool checked; // at start
};

inline constexpr SettingItem kSettingItems[] = {
    {Setting::Stats, u"mnuSettingsStats", u"&Show Stats", false},
    {Setting::Commas, u"mnuSettingsCommas", u"Use &Commas", true},
    {Setting::Order, u"mnuSettingsOrder", u"&Length Order", true},
    {Setting::Single, u"mnuSettingsSingle", u"Single &Modifier", false},
};
inline constexpr int kSettingCount = static_cast<int>(std::size(kSettingItems));

static_assert(RowsFollowTheEnum(kSettingItems, &SettingItem::setting, Setting::Single),
              "kSettingItems must list every Setting, in the enum's order");

// The window opens with the composer's own first style.
static_assert(kSettingItems[static_cast<int>(Setting::Single)].checked == EpithetStyle{}.single &&
                  kSettingItems[static_cast<int>(Setting::Commas)].checked ==
                      EpithetStyle{}.commas &&
                  kSettingItems[static_cast<int>(Setting::Order)].checked ==
                      EpithetStyle{}.lengthOrder,
              "the first check marks must be EpithetStyle's defaults");

} // namespace form
