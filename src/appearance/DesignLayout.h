#pragma once

#include <juce_graphics/juce_graphics.h>

#include <array>

/** Where every child of every window sits at the design size (UI scale 1),
    with the caption the background picture prints for it. The components
    place their children from these tables and the resource generator draws
    the backgrounds from the same tables, so the pictures always match.
*/
namespace DesignLayout
{
struct Item
{
    const char* name; // the component name
    juce::Rectangle<int> bounds;
    const char* caption; // printed on the background, or nullptr
};

template <size_t N>
using Items = std::array<Item, N>;

/** The item of that component name; an empty rectangle when there is none. */
template <size_t N>
inline juce::Rectangle<int> boundsOf (const Items<N>& items, const char* name)
{
    for (const auto& item : items)
        if (std::string_view (item.name) == name)
            return item.bounds;

    return {};
}

/** A design rectangle at the UI scale: left and top rounded down, right and
    bottom rounded up, as the framework scales integer rectangles.
*/
inline juce::Rectangle<int> scaled (juce::Rectangle<int> r, float scale)
{
    return r * scale;
}

//==============================================================================
namespace Main
{
constexpr int width = 1024;
constexpr int height = 768;
constexpr juce::Point<int> viewOrigin { 433, 143 };

inline const Items<19> children { {
    { "Basic View Panel", { 433, 143, 591, 625 }, nullptr },
    { "Preset Volume", { 300, 150, 100, 100 }, "VOLUME" },
    { "Save Preset", { 22, 287, 92, 46 }, nullptr },
    { "Delete Preset", { 123, 287, 92, 46 }, nullptr },
    { "Brax Logo", { 22, 82, 105, 46 }, nullptr },
    { "Quick Save Preset", { 224, 287, 92, 46 }, nullptr },
    { "Folder", { 172, 341, 45, 26 }, nullptr },
    { "Sync", { 363, 341, 45, 26 }, nullptr },
    { "Basic View", { 456, 77, 58, 59 }, "BASIC" },
    { "Advanced View", { 635, 77, 58, 59 }, "ADVANCED" },
    { "Global View", { 815, 77, 58, 59 }, "GLOBAL" },
    { "Advanced View Panel", { 433, 143, 591, 625 }, nullptr },
    { "Global View Panel", { 433, 143, 591, 625 }, nullptr },
    { "Library Presets", { 25, 369, 186, 352 }, "LIBRARY" },
    { "Vandorium Presets", { 228, 369, 175, 352 }, "VANDORIUM" },
    { "Preset Name", { 37, 176, 232, 48 }, "PRESET NAME" },
    { "Vandorium Logo", { 181, 82, 205, 46 }, nullptr },
    { "Sync Progress Bar", { 375, 342, 20, 20 }, nullptr },
    { "Connection Status", { 372, 20, 280, 26 }, nullptr },
} };
} // namespace Main

namespace Views
{
constexpr int width = 591;
constexpr int height = 625;
} // namespace Views

namespace Basic
{
inline const Items<15> children { {
    { "Scale", { 31, 38, 112, 38 }, "SCALE" },
    { "Root Note", { 236, 38, 112, 38 }, "ROOT NOTE" },
    { "Pitch Correction", { 442, 5, 100, 100 }, "PITCH CORRECT" },
    { "Waveform", { 31, 183, 112, 38 }, "WAVEFORM" },
    { "Scan Rate", { 179, 153, 100, 100 }, "SCAN RATE" },
    { "Scan Amount", { 310, 153, 100, 100 }, "SCAN AMOUNT" },
    { "Scan Position", { 444, 153, 100, 100 }, "SCAN POSITION" },
    { "Filter Type", { 31, 332, 112, 38 }, "FILTER TYPE" },
    { "Filter Cutoff", { 179, 301, 100, 100 }, "CUTOFF" },
    { "Filter Resonance", { 310, 301, 100, 100 }, "RESONANCE" },
    { "Filter Pitch Track", { 444, 301, 100, 100 }, "PITCH TRACK" },
    { "Effect Name", { 31, 483, 112, 38 }, "EFFECT" },
    { "Delay Time", { 179, 454, 100, 100 }, "DELAY TIME" },
    { "Delay Feedback", { 310, 454, 100, 100 }, "FEEDBACK" },
    { "Effect Mix", { 444, 454, 100, 100 }, "MIX" },
} };
} // namespace Basic

namespace Advanced
{
inline const Items<10> children { {
    { "Volume Waveform Scan Amount", { 243, 1, 100, 100 }, "SCAN AMOUNT" },
    { "Volume Waveform Scan Rate", { 423, 1, 100, 100 }, "SCAN RATE" },
    { "Volume Filter Resonance", { 423, 153, 100, 100 }, "RESONANCE" },
    { "Volume Filter Cutoff", { 243, 153, 100, 100 }, "CUTOFF" },
    { "Volume Volume", { 63, 153, 100, 100 }, "VOLUME" },
    { "Pitch Filter Resonance", { 243, 301, 100, 100 }, "RESONANCE" },
    { "Pitch Waveform Scan Amount", { 63, 456, 100, 100 }, "SCAN AMOUNT" },
    { "Pitch Waveform Scan Rate", { 243, 456, 100, 100 }, "SCAN RATE" },
    { "Transpose", { 439, 466, 80, 80 }, "TRANSPOSE" },
    { "Transpose Label", { 413, 423, 128, 38 }, nullptr },
} };
} // namespace Advanced

namespace Global
{
inline const Items<5> children { {
    { "Master Volume", { 38, 5, 100, 100 }, "MASTER VOLUME" },
    { "Low Note", { 329, 58, 70, 70 }, "LOW NOTE" },
    { "High Note", { 466, 58, 70, 70 }, "HIGH NOTE" },
    { "Low Note Label", { 306, 19, 114, 38 }, nullptr },
    { "High Note Label", { 443, 19, 114, 38 }, nullptr },
} };
} // namespace Global

//==============================================================================
namespace LibraryManager
{
constexpr int width = 628;
constexpr int height = 471;

inline const Items<17> children { {
    { "New", { 44, 82, 93, 46 }, nullptr },
    { "New label", { 68, 94, 44, 21 }, "NEW" },
    { "Rename", { 44, 135, 93, 46 }, nullptr },
    { "Rename label", { 59, 147, 62, 21 }, "RENAME" },
    { "Delete", { 44, 188, 93, 46 }, nullptr },
    { "Delete label", { 65, 200, 50, 21 }, "DELETE" },
    { "load", { 44, 241, 93, 46 }, nullptr },
    { "Load label", { 66, 253, 48, 21 }, "LOAD" },
    { "Save", { 44, 294, 93, 46 }, nullptr },
    { "Save label", { 66, 306, 48, 21 }, "SAVE" },
    { "Undo", { 44, 347, 93, 46 }, nullptr },
    { "Undo label", { 66, 359, 48, 21 }, "UNDO\n" },
    { "Send All", { 44, 400, 93, 46 }, nullptr },
    { "Send All label", { 68, 412, 44, 21 }, "SEND" },
    { "Libraries", { 170, 82, 186, 350 }, "LIBRARIES" },
    { "Presets", { 390, 82, 186, 350 }, "PRESETS" },
    { "Find Preset", { 390, 15, 186, 28 }, "FIND PRESET" },
} };
} // namespace LibraryManager

namespace Settings
{
constexpr int width = 730;
constexpr int height = 400;

inline const Items<6> children { {
    { "Vandorium User Manual", { 61, 76, 58, 59 }, "VANDORIUM USER MANUAL" },
    { "Quick Start Guide", { 61, 140, 58, 59 }, "QUICK START GUIDE" },
    { "Editor User Manual", { 416, 76, 58, 59 }, "EDITOR USER MANUAL" },
    { "Show Quick Start Guide", { 79, 217, 24, 26 }, "SHOW QUICK START GUIDE AT START-UP" },
    { "Show Tooltips", { 79, 279, 24, 26 }, "SHOW TOOLTIPS" },
    { "Version", { 221, 24, 221, 21 }, nullptr },
} };
} // namespace Settings

namespace QuickStart
{
constexpr int width = 720;
constexpr int height = 570;

inline const Items<1> children { {
    { "Show Quick Start guide", { 26, 514, 24, 26 }, "SHOW THIS GUIDE AT START-UP" },
} };
} // namespace QuickStart

//==============================================================================
/** Filmstrip frame sizes at the design size. */
namespace Strips
{
constexpr juce::Point<int> knob { 80, 80 };
constexpr juce::Point<int> knobBig { 100, 100 };
constexpr int knobFrames = 128;
constexpr juce::Point<int> roundButton { 58, 59 };
constexpr juce::Point<int> checkbox { 24, 26 };
constexpr juce::Point<int> genericButton { 93, 46 };
constexpr juce::Point<int> commandButton { 92, 46 };
constexpr juce::Point<int> smallButton { 45, 26 };
constexpr juce::Point<int> scrollbarThumb { 12, 72 };
} // namespace Strips

/** The program's two colours. */
namespace Colours
{
constexpr juce::uint32 dark = 0xff261565;
constexpr juce::uint32 light = 0xffabd5ce;
} // namespace Colours
} // namespace DesignLayout
