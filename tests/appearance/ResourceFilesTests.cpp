#include "appearance/DesignLayout.h"
#include "appearance/ResourceLoader.h"
#include "model/BXVandoriumLibrary.h"

#include <gtest/gtest.h>

namespace
{
juce::File resource (const juce::String& fileName)
{
    return juce::File (VANDORIUM_BUILT_RESOURCES).getChildFile (fileName);
}

juce::Image picture (const juce::String& fileName)
{
    return juce::ImageFileFormat::loadFrom (resource (fileName));
}
} // namespace

TEST (ResourceFiles, EveryPictureHasItsLayoutAndADoubleSizeTwin)
{
    using namespace DesignLayout;

    const struct
    {
        const char* name;
        int width, height, frames;
    } table[] = {
        { "Knob", Strips::knob.x, Strips::knob.y, 128 },
        { "Knob Big", Strips::knobBig.x, Strips::knobBig.y, 128 },
        { "Round Button HD", Strips::roundButton.x, Strips::roundButton.y, 2 },
        { "Generic Button HD", Strips::genericButton.x, Strips::genericButton.y, 2 },
        { "Checkbox", Strips::checkbox.x, Strips::checkbox.y, 2 },
        { "Scrollbar Knob HD", Strips::scrollbarThumb.x, Strips::scrollbarThumb.y, 1 },
        { "Knob Bipolar", Strips::knob.x, Strips::knob.y * Strips::knobFrames, 1 },
        { "Knob Big Bipolar", Strips::knobBig.x, Strips::knobBig.y * Strips::knobFrames, 1 },
        { "SAVE Button HD", 92, 46, 2 },
        { "DELETE Button HD", 92, 46, 2 },
        { "QUICK SAVE Button HD", 92, 46, 2 },
        { "Folder Button HD", 45, 26, 2 },
        { "Sync Button HD", 45, 26, 2 },
        { "Editor_BASIC", 1024, 768, 1 },
        { "Editor_ADVANCED", 1024, 768, 1 },
        { "Editor_GLOBAL_SIMPLE", 1024, 768, 1 },
        { "LIBRARY MANAGER", 628, 471, 1 },
        { "SETTINGS BACKGROUND", 730, 400, 1 },
        { "Editor Quick Start", 720, 570, 1 },
    };

    for (const auto& entry : table)
    {
        const auto plain = picture (juce::String (entry.name) + ".png");
        const auto twice = picture (juce::String (entry.name) + "@2x.png");
        ASSERT_TRUE (plain.isValid()) << entry.name;
        ASSERT_TRUE (twice.isValid()) << entry.name;

        EXPECT_EQ (plain.getWidth(), entry.width) << entry.name;
        EXPECT_EQ (plain.getHeight(), entry.height * entry.frames) << entry.name;
        EXPECT_EQ (plain.getHeight() % entry.frames, 0) << entry.name;
        EXPECT_EQ (twice.getWidth(), 2 * plain.getWidth()) << entry.name;
        EXPECT_EQ (twice.getHeight(), 2 * plain.getHeight()) << entry.name;
    }

    // Backgrounds are opaque; the LCD panel behind "Library Presets" is the light colour.
    const auto basic = picture ("Editor_BASIC.png");
    EXPECT_EQ (basic.getPixelAt (5, 5).getAlpha(), 255);
    const auto list = boundsOf (Main::children, "Library Presets");
    const auto lcd = basic.getPixelAt (list.getCentreX(), list.getCentreY());
    const juce::Colour light (Colours::light);
    EXPECT_NEAR (lcd.getRed(), light.getRed(), 24);
    EXPECT_NEAR (lcd.getGreen(), light.getGreen(), 24);
    EXPECT_NEAR (lcd.getBlue(), light.getBlue(), 24);
}

TEST (ResourceFiles, FactoryLibrariesManualsAndTypeface)
{
    BXVandoriumLibrary::LoadReport report;
    const BXVandoriumLibrary editor (resource ("EDITOR FACTORY.vandorium").getFullPathName(), true, report);
    EXPECT_EQ (editor.presets.size(), 64u);
    EXPECT_TRUE (report.skipped.empty());

    const BXVandoriumLibrary bank (resource ("VANDORIUM FACTORY.vandorium").getFullPathName(), true);
    EXPECT_EQ (bank.presets.size(), 32u);

    // The editor's set spans every waveform, filter type and effect.
    std::set<int> waveforms, filters, effects, scales;

    for (const auto& preset : editor.presets)
    {
        EXPECT_LE (preset.name.length(), 13);
        EXPECT_FALSE (preset.name.isEmpty());
        waveforms.insert (preset.waveform);
        filters.insert (preset.filterType);
        effects.insert (preset.effect);
        scales.insert (preset.scale);
    }

    EXPECT_EQ (waveforms.size(), 7u);
    EXPECT_EQ (filters.size(), 5u);
    EXPECT_EQ (effects.size(), 5u);
    EXPECT_GE (scales.size(), 6u);

    for (auto* manual : { "Vandorium_Manual_6_25.pdf", "Vandorium_Editor_Manual.pdf" })
    {
        juce::MemoryBlock data;
        ASSERT_TRUE (resource (manual).loadFileAsData (data)) << manual;
        EXPECT_TRUE (data.toString().startsWith ("%PDF")) << manual;
    }

    EXPECT_TRUE (resource ("LCDFont.LICENSE.txt").existsAsFile());

    // The captions' face where the system has no "Futura", with its licence.
    for (auto* face : { "BetecknaGS.ttf", "BetecknaGS-Bold.ttf" })
    {
        juce::MemoryBlock data;
        ASSERT_TRUE (resource (face).loadFileAsData (data)) << face;
        EXPECT_NE (juce::Typeface::createSystemTypefaceFor (data.getData(), data.getSize()), nullptr) << face;
    }

    EXPECT_TRUE (resource ("BetecknaGS.LICENSE.txt").loadFileAsString().contains ("GPL-3"));
    EXPECT_TRUE (resource ("BetecknaGS.GPL-3.txt").existsAsFile());
    EXPECT_TRUE (getFuturaFont (15.0f).getTypefaceName().containsIgnoreCase ("Futura") || getFuturaFont (15.0f).getTypefaceName().containsIgnoreCase ("Beteckna"))
        << getFuturaFont (15.0f).getTypefaceName();

    juce::MemoryBlock fontData;
    ASSERT_TRUE (resource ("LCDFont.ttf").loadFileAsData (fontData));
    const auto typeface = juce::Typeface::createSystemTypefaceFor (fontData.getData(), fontData.getSize());
    ASSERT_NE (typeface, nullptr);

    // Every character the editor shows has a glyph of its own.
    const juce::String shown ("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789 #:%+-._()/'!?&,");
    juce::Array<int> glyphs;
    juce::Array<float> offsets;
    typeface->getGlyphPositions (shown, glyphs, offsets);
    ASSERT_EQ (glyphs.size(), shown.length());

    for (int i = 0; i < glyphs.size(); ++i)
        EXPECT_GT (glyphs[i], 0) << "no glyph for '" << shown.substring (i, i + 1) << "'";

    juce::Path outline;
    EXPECT_TRUE (typeface->getOutlineForGlyph (glyphs[shown.indexOfChar ('#')], outline));
    EXPECT_FALSE (outline.isEmpty());
}
