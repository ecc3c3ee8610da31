#include "Painter.h"
#include "Pictures.h"

namespace
{
using namespace DesignLayout;
using Painter::Palette::caption;

enum class View
{
    basic,
    advanced,
    global
};

juce::Rectangle<int> inMain (juce::Rectangle<int> viewBounds)
{
    return viewBounds + Main::viewOrigin;
}

bool isList (const Item& item)
{
    return item.bounds.getHeight() == 38;
}

/** The header and the left column, shared by the three views. */
void drawEditorFrame (juce::Graphics& g)
{
    Painter::windowBackground (g, Main::width, Main::height);

    // Header band with the two logos and the view switches.
    const juce::Rectangle<float> header (10.0f, 66.0f, 1004.0f, 76.0f);
    Painter::groupPanel (g, header);

    Painter::makerLogo (g, boundsOf (Main::children, "Brax Logo").toFloat());
    Painter::productLogo (g, boundsOf (Main::children, "Vandorium Logo").toFloat());

    for (auto* name : { "Basic View", "Advanced View", "Global View" })
    {
        const auto button = boundsOf (Main::children, name);
        Painter::controlWell (g, button);

        for (const auto& item : Main::children)
            if (std::string_view (item.name) == name)
                Painter::caption (g, item.caption, { (float) button.getRight() + 8.0f, (float) button.getY(), 100.0f, (float) button.getHeight() }, 13.0f, caption, juce::Justification::centredLeft);
    }

    // Title strip above the header.
    Painter::caption (g, "VANDORIUM EDITOR", { 22.0f, 18.0f, 300.0f, 30.0f }, 15.0f, caption, juce::Justification::centredLeft);
    Painter::caption (g, "SOUND EDITOR  /  PRESET LIBRARIAN", { 600.0f, 18.0f, 404.0f, 30.0f }, Painter::Palette::smallestCaption, Painter::Palette::dimCaption, juce::Justification::centredRight);
    g.setColour (Painter::Palette::accent.withAlpha (0.5f));
    g.fillRect (22.0f, 50.0f, 980.0f, 1.0f);

    // Left column: preset, volume, commands and the two lists.
    Painter::groupPanel (g, { 10.0f, 148.0f, 413.0f, 610.0f });

    const auto name = boundsOf (Main::children, "Preset Name");
    Painter::caption (g, "PRESET", { (float) name.getX(), (float) name.getY() - 22.0f, 120.0f, 14.0f }, 11.0f, caption, juce::Justification::centredLeft);
    Painter::lcdPanel (g, name, 6.0f);

    const auto volume = boundsOf (Main::children, "Preset Volume");
    Painter::controlWell (g, volume);
    Painter::captionBelow (g, "VOLUME", volume, 0.0f);

    Painter::caption (g, "PRESET COMMANDS", { 22.0f, 262.0f, 294.0f, 14.0f }, Painter::Palette::smallestCaption, Painter::Palette::dimCaption, juce::Justification::centredLeft);

    const auto library = boundsOf (Main::children, "Library Presets");
    const auto device = boundsOf (Main::children, "Vandorium Presets");
    Painter::caption (g, "LIBRARY", { (float) library.getX(), 346.0f, 140.0f, 16.0f }, 11.0f, caption, juce::Justification::centredLeft);
    Painter::caption (g, "VANDORIUM", { (float) device.getX(), 346.0f, 130.0f, 16.0f }, 11.0f, caption, juce::Justification::centredLeft);
    Painter::lcdPanel (g, library, 4.0f);
    Painter::lcdPanel (g, device, 4.0f);

    Painter::caption (g, "DRAG A PRESET ONTO THE OTHER LIST TO SAVE OR STORE IT", { 22.0f, 732.0f, 390.0f, 14.0f }, Painter::Palette::smallestCaption, Painter::Palette::dimCaption, juce::Justification::centred);
}

template <size_t N>
void drawControls (juce::Graphics& g, const Items<N>& items)
{
    for (const auto& item : items)
    {
        const auto bounds = inMain (item.bounds);

        if (item.caption == nullptr)
        {
            Painter::lcdPanel (g, bounds, 5.0f); // a read-out label
            continue;
        }

        if (isList (item))
        {
            Painter::captionAbove (g, item.caption, bounds, 4.0f);
            Painter::lcdPanel (g, bounds, 5.0f);
        }
        else
        {
            Painter::controlWell (g, bounds);
            Painter::captionBelow (g, item.caption, bounds, 0.0f);
        }
    }
}

/** A keyboard over the notes the range knobs reach (24 to 110). */
void drawKeyboard (juce::Graphics& g, juce::Rectangle<float> area)
{
    constexpr int firstNote = 24, lastNote = 110;
    const auto isBlack = [] (int note)
    { const auto n = note % 12; return n == 1 || n == 3 || n == 6 || n == 8 || n == 10; };

    int whiteKeys = 0;

    for (int note = firstNote; note <= lastNote; ++note)
        whiteKeys += isBlack (note) ? 0 : 1;

    const auto keyWidth = area.getWidth() / (float) whiteKeys;
    g.setColour (juce::Colour (0xff05040a));
    g.fillRoundedRectangle (area.expanded (4.0f), 6.0f);

    float left = area.getX();
    std::vector<float> blackKeys;

    for (int note = firstNote; note <= lastNote; ++note)
    {
        if (isBlack (note))
        {
            blackKeys.push_back (left);
            continue;
        }

        const juce::Rectangle<float> key (left + 0.5f, area.getY(), keyWidth - 1.0f, area.getHeight());
        juce::ColourGradient ivory (Painter::Palette::lcd.brighter (0.1f), key.getX(), key.getY(), Painter::Palette::lcd.darker (0.15f), key.getX(), key.getBottom(), false);
        g.setGradientFill (ivory);
        g.fillRoundedRectangle (key, 2.0f);

        if (note % 12 == 0)
            Painter::caption (g, "C" + juce::String (note / 12 - 1), key.withTrimmedTop (key.getHeight() - 16.0f), 7.0f, Painter::Palette::lcdText);

        left += keyWidth;
    }

    for (auto position : blackKeys)
    {
        const juce::Rectangle<float> key (position - keyWidth * 0.32f, area.getY(), keyWidth * 0.64f, area.getHeight() * 0.6f);
        g.setColour (juce::Colour (DesignLayout::Colours::dark));
        g.fillRoundedRectangle (key, 1.5f);
    }
}

void drawViewPanels (juce::Graphics& g, View view)
{
    const auto x = (float) Main::viewOrigin.x + 8.0f;
    const auto w = (float) Views::width - 18.0f;

    switch (view)
    {
        case View::basic:
            Painter::groupPanel (g, { x, 148.0f, w, 118.0f }, "PITCH");
            Painter::groupPanel (g, { x, 272.0f, w, 146.0f }, "WAVEFORM");
            Painter::groupPanel (g, { x, 424.0f, w, 146.0f }, "FILTER");
            Painter::groupPanel (g, { x, 576.0f, w, 182.0f }, "EFFECT");
            drawControls (g, Basic::children);
            break;

        case View::advanced:
            Painter::groupPanel (g, { x, 146.0f, w, 268.0f }, "VOLUME MODULATION");
            Painter::groupPanel (g, { x, 420.0f, w, 338.0f }, "PITCH MODULATION");
            Painter::caption (g, "HOW HARD YOU PLAY MOVES...", { x + 14.0f, 190.0f, 200.0f, 14.0f }, Painter::Palette::smallestCaption, Painter::Palette::dimCaption, juce::Justification::centredLeft);
            Painter::caption (g, "WHICH NOTE YOU PLAY MOVES...", { x + 14.0f, 470.0f, 200.0f, 14.0f }, Painter::Palette::smallestCaption, Painter::Palette::dimCaption, juce::Justification::centredLeft);
            drawControls (g, Advanced::children);
            break;

        case View::global:
        {
            Painter::groupPanel (g, { x, 146.0f, w, 612.0f });
            Painter::caption (g, "INSTRUMENT SETTINGS", inMain ({ 30, 440, 531, 16 }).toFloat(), 11.0f, caption);
            drawControls (g, Global::children);
            Painter::caption (g, "THE NOTE RANGE THE VANDORIUM PLAYS", inMain ({ 306, 150, 251, 14 }).toFloat(), Painter::Palette::smallestCaption, Painter::Palette::dimCaption);
            drawKeyboard (g, inMain ({ 30, 300, 531, 110 }).toFloat());
            Painter::caption (g, "MASTER VOLUME, LOW NOTE AND HIGH NOTE BELONG TO THE INSTRUMENT, NOT TO A PRESET:", inMain ({ 30, 470, 531, 14 }).toFloat(), Painter::Palette::smallestCaption, Painter::Palette::dimCaption);
            Painter::caption (g, "THEY ARE SENT WHEN YOU TURN THEM AND START AT THEIR DEFAULTS WITH EVERY SESSION.", inMain ({ 30, 488, 531, 14 }).toFloat(), Painter::Palette::smallestCaption, Painter::Palette::dimCaption);
            break;
        }
    }
}

Picture editorBackground (const juce::String& name, View view)
{
    return { name, Main::width, Main::height, [view] (juce::Graphics& g)
             {
                 drawEditorFrame (g);
                 drawViewPanels (g, view);
             } };
}

//==============================================================================
void drawLibraryManager (juce::Graphics& g)
{
    Painter::windowBackground (g, LibraryManager::width, LibraryManager::height);
    Painter::caption (g, "LIBRARY MANAGER", { 24.0f, 18.0f, 300.0f, 26.0f }, 15.0f, caption, juce::Justification::centredLeft);
    g.setColour (Painter::Palette::accent.withAlpha (0.5f));
    g.fillRect (24.0f, 48.0f, 580.0f, 1.0f);

    Painter::groupPanel (g, { 30.0f, 66.0f, 121.0f, 392.0f });

    for (auto* list : { "Libraries", "Presets" })
    {
        const auto bounds = boundsOf (LibraryManager::children, list);
        Painter::caption (g, list == std::string_view ("Libraries") ? "LIBRARIES" : "PRESETS", { (float) bounds.getX(), 58.0f, (float) bounds.getWidth(), 16.0f }, 11.0f, caption, juce::Justification::centredLeft);
        Painter::lcdPanel (g, bounds, 4.0f);
    }

    const auto find = boundsOf (LibraryManager::children, "Find Preset");
    Painter::caption (g, "FIND PRESET", { (float) find.getX() - 140.0f, (float) find.getY(), 130.0f, (float) find.getHeight() }, 11.0f, caption, juce::Justification::centredRight);
    Painter::lcdPanel (g, find, 4.0f);

    Painter::caption (g, "DRAG PRESETS OR WHOLE LIBRARIES ONTO A LIBRARY TO MERGE THEM", { 170.0f, 442.0f, 406.0f, 14.0f }, Painter::Palette::smallestCaption, Painter::Palette::dimCaption);
}

void drawSettings (juce::Graphics& g)
{
    Painter::windowBackground (g, Settings::width, Settings::height);
    Painter::caption (g, "SETTINGS", { 24.0f, 20.0f, 180.0f, 28.0f }, 15.0f, caption, juce::Justification::centredLeft);
    g.setColour (Painter::Palette::accent.withAlpha (0.5f));
    g.fillRect (24.0f, 54.0f, 682.0f, 1.0f);

    Painter::groupPanel (g, { 40.0f, 66.0f, 650.0f, 142.0f }, {});
    Painter::groupPanel (g, { 40.0f, 204.0f + 4.0f, 650.0f, 112.0f }, {});

    for (const auto& item : Settings::children)
    {
        if (item.caption == nullptr)
            continue;

        const auto r = item.bounds.toFloat();
        Painter::controlWell (g, item.bounds);
        Painter::caption (g, item.caption, { r.getRight() + 14.0f, r.getY(), 300.0f, r.getHeight() }, 12.0f, caption, juce::Justification::centredLeft);
    }

    Painter::caption (g, "Changes are saved at once.", { 40.0f, 350.0f, 650.0f, 20.0f }, Painter::Palette::smallestCaption, Painter::Palette::dimCaption, juce::Justification::centredLeft);
}

void drawQuickStartStep (juce::Graphics& g, int number, const juce::String& title, const juce::String& text, float y)
{
    const juce::Rectangle<float> badge (40.0f, y, 36.0f, 36.0f);
    g.setColour (Painter::Palette::lcd);
    g.fillEllipse (badge);
    Painter::caption (g, juce::String (number), badge, 17.0f, Painter::Palette::lcdText);

    Painter::caption (g, title, { 92.0f, y - 2.0f, 560.0f, 18.0f }, 13.0f, caption, juce::Justification::centredLeft);

    g.setFont (Painter::captionFont (12.0f, false));
    g.setColour (Painter::Palette::dimCaption.brighter (0.4f));
    g.drawFittedText (text, juce::Rectangle<int> (92, (int) y + 18, 580, 34), juce::Justification::topLeft, 2, 1.0f);
}

void drawQuickStart (juce::Graphics& g)
{
    Painter::windowBackground (g, QuickStart::width, QuickStart::height);
    Painter::productLogo (g, { 24.0f, 14.0f, 260.0f, 56.0f });
    Painter::caption (g, "QUICK START", { 400.0f, 26.0f, 296.0f, 30.0f }, 17.0f, caption, juce::Justification::centredRight);
    g.setColour (Painter::Palette::accent.withAlpha (0.5f));
    g.fillRect (24.0f, 78.0f, 672.0f, 1.0f);

    drawQuickStartStep (g, 1, "CONNECT THE VANDORIUM", "Plug the instrument into this computer with its USB cable and switch it on. The editor finds it by itself.", 100.0f);
    drawQuickStartStep (g, 2, "PRESS SYNC", "The Sync button above the Vandorium list copies the instrument's 32 presets into the editor.", 176.0f);
    drawQuickStartStep (g, 3, "PICK A PRESET", "Click a preset in the Vandorium list to select it on the instrument, or in the Library list to play it there.", 252.0f);
    drawQuickStartStep (g, 4, "TURN A KNOB", "Every knob and list changes the sound at once. Switch between BASIC, ADVANCED and GLOBAL at the top.", 328.0f);
    drawQuickStartStep (g, 5, "SAVE", "SAVE keeps the sound in your library; QUICK SAVE stores it into the selected preset of the Vandorium.", 404.0f);

    const auto toggle = QuickStart::children[0];
    Painter::controlWell (g, toggle.bounds);
    Painter::caption (g, toggle.caption, { (float) toggle.bounds.getRight() + 12.0f, (float) toggle.bounds.getY(), 400.0f, 26.0f }, 11.0f, caption, juce::Justification::centredLeft);
    Painter::caption (g, "CLOSE THIS WINDOW TO START", { 400.0f, 514.0f, 296.0f, 26.0f }, Painter::Palette::smallestCaption, Painter::Palette::dimCaption, juce::Justification::centredRight);
}
} // namespace

std::vector<Picture> backgroundPictures()
{
    return {
        editorBackground ("Editor_BASIC", View::basic),
        editorBackground ("Editor_ADVANCED", View::advanced),
        editorBackground ("Editor_GLOBAL_SIMPLE", View::global),
        { "LIBRARY MANAGER", LibraryManager::width, LibraryManager::height, drawLibraryManager },
        { "SETTINGS BACKGROUND", Settings::width, Settings::height, drawSettings },
        { "Editor Quick Start", QuickStart::width, QuickStart::height, drawQuickStart },
    };
}
