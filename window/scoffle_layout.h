#pragma once

#include "twips.h"

#include <string_view>

// The main window as it is created: every control's place in twips, its caption and tooltip.
// The statistics labels are placed within the frame; everything else within the client area.
namespace layout {

inline constexpr std::u16string_view kTitle = u"Zestive Vilifex";
inline constexpr Rect kClient{0, 0, 5955, 1275};
inline constexpr int kAutoIntervalMs = 4000;

struct Control {
    std::u16string_view name;
    Rect twips;
    std::u16string_view caption;
    std::u16string_view toolTip;
};

inline constexpr Control kAuto{
    u"cmdAuto", {1650, 750, 900, 360}, u"&Auto On", u"Scoffle every 4 sec"};
inline constexpr std::u16string_view kAutoOff = u"&Auto Off";
inline constexpr Control kClip{u"cmdClip", {3539, 750, 645, 360}, u"&Clip", u"Copies to Clipboard"};
inline constexpr Control kStats{u"fraStats", {120, 585, 1530, 705}, u"", u""};
inline constexpr Control kAdjectives{
    u"lblAdjectives", {105, 225, 1140, 195}, u"8888 Adjectives", u""};
inline constexpr Control kAdverbs{u"lblAdverbs", {105, 0, 990, 195}, u"8888 Adverbs", u""};
inline constexpr Control kNouns{u"lblNouns", {105, 450, 870, 195}, u"8888 Nouns", u""};
inline constexpr Control kSave{u"cmdSave", {4356, 750, 645, 360}, u"&Save", u"Adds to SAVED.TXT"};
inline constexpr Control kOutput{
    u"txtOutput", {75, 120, 5730, 390}, u"verbose, splendiferous generator", u""};
inline constexpr Control kMake{u"cmdMake", {2722, 750, 645, 360}, u"&Make", u""};
inline constexpr Control kExit{u"cmdExit", {5175, 750, 645, 360}, u"E&xit", u""};

// The epithet's own font.
inline constexpr std::u16string_view kOutputFace = u"MS Sans Serif";
inline constexpr double kOutputPoints = 9.75;

// A label widens with its caption, up to the frame's edge where the Auto button begins.
inline constexpr Rect LabelRoom(const Rect &label) {
    return {label.x, label.y, kStats.twips.width - label.x, label.height};
}

// The menus' titles and the File menu's one item (the Settings items are kSettingItems).
inline constexpr std::u16string_view kFileMenu = u"&File";
inline constexpr std::u16string_view kFileExit = u"E&xit";
inline constexpr std::u16string_view kSettingsMenu = u"&Settings";

} // namespace layout
