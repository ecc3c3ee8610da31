#include "appearance/DesignLayout.h"
#include "editor/ParameterControls.h"
#include "support/EditorTestRig.h"

#include <gtest/gtest.h>

namespace
{
using Sent = std::vector<std::string>;

/** What the instrument received, readably: "cc 12=12", "pc 5", "name LEAD", "effect SHORT DELAY". */
Sent describe (const std::vector<juce::MidiMessage>& messages)
{
    Sent sent;

    for (const auto& m : messages)
    {
        if (m.isController())
            sent.push_back ("cc " + std::to_string (m.getControllerNumber()) + "=" + std::to_string (m.getControllerValue()));
        else if (m.isProgramChange())
            sent.push_back ("pc " + std::to_string (m.getProgramChangeNumber()));
        else if (m.isSysEx() && m.getSysExDataSize() == 31)
            sent.push_back ((m.getSysExData()[3] == 0x07 ? "name " : "effect ")
                            + juce::String (reinterpret_cast<const char*> (m.getSysExData() + 16), (size_t) 14).trimEnd().toStdString());
        else
            sent.push_back ("other");
    }

    return sent;
}

struct ViewRig : EditorTestRig
{
    Sent sent() { return describe (takeReceived()); }

    BasicViewComponent& basic() { return basicView(); }
    AdvancedViewComponent& advanced() { return advancedView(); }
    GlobalViewComponent& global() { return globalView(); }

    void chooseEffect (const juce::String& text) { list ("Effect Name").setSelectedId (idOf (text), juce::sendNotificationSync); }

    int idOf (const juce::String& text)
    {
        auto& effects = list ("Effect Name");

        for (int i = 0; i < effects.getNumItems(); ++i)
            if (effects.getItemText (i) == text)
                return effects.getItemId (i);

        return 0;
    }
};
} // namespace

TEST (ParameterViews, TooltipsReadInTheParametersUnits)
{
    ViewRig rig;

    const struct
    {
        juce::Slider* knob;
        double value;
        const char* text;
    } cases[] = {
        { &rig.knob ("Filter Cutoff"), 64, "50.39 %" },
        { &rig.knob ("Scan Rate"), 8192, "16.0 Hz" },
        { &rig.knob ("Delay Time"), 13695, "836 ms" },
        { &rig.knob ("Filter Pitch Track"), 8192, "0 %" },
        { &rig.knob ("Scan Amount"), 16383, "2.00" },
        { &rig.knob ("Scan Amount"), 0, "0.00" },
        { &rig.knob ("Volume Volume"), 1024, "100 %" },
        { &rig.knob ("Volume Volume"), 16383, "1600 %" },
        { &rig.knob ("Master Volume"), 12288, "75 %" },
    };

    for (const auto& c : cases)
    {
        c.knob->setValue (c.value, juce::dontSendNotification);
        ParameterControls::updateSliderTooltip (*c.knob);
        EXPECT_EQ (c.knob->getTooltip(), c.text) << c.knob->getName() << " " << c.value;
    }

    juce::Slider transpose;
    transpose.setRange (0, 127, 1);
    transpose.getProperties().set ("tooltipsMode", 3);
    transpose.getProperties().set ("tooltipsMinimunValue", -64.0);
    transpose.getProperties().set ("tooltipsMaximunValue", 63.0);
    transpose.setValue (0, juce::dontSendNotification);
    EXPECT_EQ (ParameterControls::tooltipTextFor (transpose), juce::String ("-64 Semitones"));

    // Knobs without a tooltip mode keep an empty tooltip.
    EXPECT_TRUE (rig.knob ("Low Note").getTooltip().isEmpty());
    EXPECT_TRUE (rig.knob ("Transpose").getTooltip().isEmpty());
}

TEST (ParameterViews, EffectChoicesSetTheDelayKnobs)
{
    ViewRig rig;

    rig.chooseEffect ("SHORT DELAY");
    EXPECT_EQ (rig.sent(), (Sent { "effect SHORT DELAY", "cc 12=12", "cc 44=102", "cc 14=12", "cc 46=102" }));
    EXPECT_EQ (rig.preset().effect, 1);
    EXPECT_EQ (rig.preset().delayTime, 1638);
    EXPECT_EQ (rig.preset().delayFeedback, 1638);

    const struct
    {
        const char* effect;
        int value, time, feedback;
    } cases[] = { { "MED DELAY", 2, 4194, 3277 }, { "LONG DELAY", 3, 11469, 4915 }, { "OFF", 0, 0, 0 } };

    for (const auto& c : cases)
    {
        rig.chooseEffect (c.effect);
        EXPECT_EQ (rig.preset().effect, c.value) << c.effect;
        EXPECT_EQ ((int) rig.knob ("Delay Time").getValue(), c.time) << c.effect;
        EXPECT_EQ ((int) rig.knob ("Delay Feedback").getValue(), c.feedback) << c.effect;
        EXPECT_EQ (rig.sent().front(), std::string ("effect ") + c.effect);
    }

    // After "OFF", the first move of a delay knob makes the effect the user's own.
    rig.knob ("Delay Time").setValue (100, juce::sendNotificationSync);
    EXPECT_EQ (rig.sent(), (Sent { "effect PRESET", "cc 12=0", "cc 44=100" }));
    EXPECT_EQ (rig.list ("Effect Name").getText(), "PRESET");
    EXPECT_EQ (rig.list ("Effect Name").getSelectedId(), 0);
    EXPECT_EQ (rig.preset().effect, 4);

    rig.knob ("Delay Time").setValue (200, juce::sendNotificationSync);
    EXPECT_EQ (rig.sent(), (Sent { "cc 12=1", "cc 44=72" }));

    rig.chooseEffect ("LONG DELAY");
    rig.sent();
    rig.knob ("Delay Feedback").setValue (5000, juce::sendNotificationSync);
    EXPECT_EQ (rig.sent(), (Sent { "effect PRESET", "cc 14=39", "cc 46=8" }));
    rig.knob ("Delay Feedback").setValue (5001, juce::sendNotificationSync);
    EXPECT_EQ (rig.sent(), (Sent { "cc 14=39", "cc 46=9" }));
}

TEST (ParameterViews, WaveformsWithoutScanningDimTheScanKnobs)
{
    ViewRig rig;
    auto& basic = rig.basic();
    auto& advanced = rig.advanced();

    rig.knob ("Scan Rate").setValue (5000, juce::sendNotificationSync);
    rig.knob ("Pitch Waveform Scan Rate").setValue (10000, juce::sendNotificationSync);
    rig.sent();

    rig.list ("Waveform").setSelectedId (5, juce::sendNotificationSync); // BRIGHT
    const auto sent = rig.sent();
    EXPECT_EQ (sent, (Sent { "cc 9=0", "cc 41=0", "cc 22=64", "cc 54=0", "cc 90=4" }));
    EXPECT_EQ (rig.preset().scanRate, 0);
    EXPECT_EQ (rig.preset().pitchWaveformScanRate, 8192);
    EXPECT_FALSE (rig.knob ("Scan Rate").isEnabled());
    EXPECT_NEAR (rig.knob ("Scan Rate").getAlpha(), 0.5f, 0.01f); // stored in 8 bits
    EXPECT_EQ (rig.knob ("Scan Rate").getTooltip(), "SCAN RATE is not used by BRIGHT waveform");
    EXPECT_EQ (rig.knob ("Scan Position").getTooltip(), "SCAN POS is not used by BRIGHT waveform");
    EXPECT_EQ (rig.knob ("Volume Waveform Scan Amount").getTooltip(), "SCAN AMOUNT is not used by BRIGHT waveform");
    EXPECT_TRUE (rig.knob ("Volume Filter Cutoff").isEnabled());
    EXPECT_TRUE (rig.knob ("Transpose").isEnabled());

    rig.list ("Waveform").setSelectedId (4, juce::sendNotificationSync); // AURORA 1
    EXPECT_EQ (rig.sent(), (Sent { "cc 90=3" }));
    EXPECT_TRUE (rig.knob ("Scan Rate").isEnabled());
    EXPECT_FLOAT_EQ (rig.knob ("Scan Rate").getAlpha(), 1.0f);
    EXPECT_EQ (rig.knob ("Scan Rate").getTooltip(), "0.0 Hz");
    EXPECT_EQ (rig.knob ("Pitch Waveform Scan Rate").getTooltip(), "0 %");

    rig.list ("Waveform").setSelectedId (6, juce::sendNotificationSync); // HOLLOW
    EXPECT_EQ (rig.knob ("Pitch Waveform Scan Rate").getTooltip(), "SCAN RATE is not used by HOLLOW waveform");
    rig.list ("Waveform").setSelectedId (1, juce::sendNotificationSync); // SINE
    EXPECT_EQ (rig.knob ("Scan Amount").getTooltip(), "SCAN AMOUNT is not used by SINE, TRIANGLE and SUPER SAW waveforms");

    // The library manager's preview sends 0 for unused scan knobs.
    rig.knob ("Scan Amount").setValue (3000, juce::dontSendNotification);
    rig.sent();
    basic.sendAllParameters (rig.preset());
    const auto all = rig.sent();
    ASSERT_EQ (all.size(), 21u);
    EXPECT_EQ (all[4], "cc 9=0");
    EXPECT_EQ (all[6], "cc 20=0");
    EXPECT_EQ (all[7], "cc 52=0");
    EXPECT_EQ (all[15], "effect PRESET");

    advanced.sendAllParameters();
    EXPECT_EQ (rig.sent().size(), 17u);
}

TEST (ParameterViews, LoadingShowsThePresetAndSendsOnlyWhatChanged)
{
    ViewRig rig;

    // A device slot: nothing goes out, and the record keeps its scan values.
    BXVandoriumPreset sine;
    sine.waveform = 0;
    sine.scanAmount = 9000;
    sine.pitchWaveformScanAmount = 2000;
    sine.effect = 2;
    rig.session->getLink().deviceLibrary.presets[3] = sine;
    rig.deviceList().selectRow (3);
    EXPECT_EQ (rig.sent(), (Sent { "pc 3" }));
    EXPECT_EQ (rig.knob ("Scan Amount").getValue(), 0.0);
    EXPECT_FALSE (rig.knob ("Scan Amount").isEnabled());
    EXPECT_EQ (rig.preset().scanAmount, 9000);
    EXPECT_EQ (rig.knob ("Pitch Waveform Scan Amount").getValue(), 8192.0);
    EXPECT_EQ (rig.preset().pitchWaveformScanAmount, 2000);
    EXPECT_EQ (rig.list ("Effect Name").getText(), "MED DELAY");
    EXPECT_EQ (rig.list ("Effect Name").getSelectedId(), 3);

    // A library preset that differs from the current one only in its cutoff.
    ViewRig fresh;
    BXVandoriumPreset plain, changed;
    changed.filterCutoff = 64;
    changed.name = "DARKER";
    fresh.useLibrary ("MINE", { plain, changed });
    fresh.libraryList().selectRow (0);
    fresh.sent();
    fresh.libraryList().selectRow (1);
    EXPECT_EQ (fresh.sent(), (Sent { "name DARKER", "cc 74=64" }));
    EXPECT_EQ (fresh.knob ("Filter Cutoff").getTooltip(), "50.39 %");
    EXPECT_EQ (fresh.list ("Effect Name").getText(), "PRESET");
    EXPECT_EQ (fresh.list ("Effect Name").getSelectedId(), 0);
}

TEST (ParameterViews, TranspositionAndTheNoteRange)
{
    ViewRig rig;
    auto& advanced = rig.advanced();

    for (const auto& [value, text] : { std::pair { 0, "-64 SEMITONES" }, std::pair { 64, "+0 SEMITONES" }, std::pair { 127, "+63 SEMITONES" } })
    {
        BXVandoriumPreset p;
        p.transpose = (juce::uint8) value;
        advanced.setFromPreset (p, juce::dontSendNotification);
        EXPECT_EQ (rig.label ("Transpose Label").getText(), text);
    }

    rig.knob ("Transpose").setValue (64, juce::dontSendNotification);
    rig.sent();
    rig.knob ("Transpose").setValue (65, juce::sendNotificationSync);
    EXPECT_EQ (rig.label ("Transpose Label").getText(), "+1 SEMITONES");
    EXPECT_EQ (rig.preset().transpose, 65);
    EXPECT_EQ (rig.sent(), (Sent { "cc 102=65" }));
    EXPECT_TRUE (rig.knob ("Transpose").getTooltip().isEmpty());

    // Double-click returns a modulation knob to its centre.
    rig.knob ("Volume Filter Cutoff").setValue (100, juce::dontSendNotification);
    rig.knob ("Volume Filter Cutoff").setValue (rig.knob ("Volume Filter Cutoff").getDoubleClickReturnValue(), juce::sendNotificationSync);
    EXPECT_EQ (rig.sent(), (Sent { "cc 27=64", "cc 59=0" }));
    EXPECT_FALSE (rig.knob ("Volume Volume").isDoubleClickReturnEnabled());

    EXPECT_EQ (rig.label ("Low Note Label").getText(), "LO NOTE:C 1");
    EXPECT_EQ (rig.label ("High Note Label").getText(), "HI NOTE:D 8");

    rig.knob ("High Note").setValue (60, juce::sendNotificationSync);
    EXPECT_EQ (rig.label ("High Note Label").getText(), "HI NOTE:C 4");
    EXPECT_EQ (rig.sent(), (Sent { "cc 88=60" }));

    // Dragged past the high note, the low note is held there: 60 twice, never 70.
    rig.knob ("Low Note").setValue (70, juce::sendNotificationSync);
    pumpUntil ([]
               { return false; },
               50);
    EXPECT_EQ (rig.knob ("Low Note").getValue(), 60.0);
    EXPECT_EQ (rig.label ("Low Note Label").getText(), "LO NOTE:C 4");
    EXPECT_EQ (rig.sent(), (Sent { "cc 87=60", "cc 87=60" }));

    rig.knob ("Master Volume").setValue (12289, juce::dontSendNotification);
    rig.knob ("Master Volume").setValue (12288, juce::sendNotificationSync);
    EXPECT_EQ (rig.sent(), (Sent { "cc 7=96", "cc 39=0" }));
}

TEST (ParameterViews, NoteReadOutsFollowTheTranspositionOnNewerFirmware)
{
    BXVandoriumPreset preset;
    preset.transpose = 76;

    const struct
    {
        const char* firmware;
        const char* low;
        const char* high;
    } cases[] = { { "", "LO NOTE:C 1", "HI NOTE:D 8" }, { "v1.0.9", "LO NOTE:C 1", "HI NOTE:D 8" }, { "v1.1.0", "LO NOTE:C 2", "HI NOTE:D 9" }, { "v1.2.3", "LO NOTE:C 2", "HI NOTE:D 9" } };

    for (const auto& c : cases)
    {
        EXPECT_EQ (GlobalViewComponent::noteLabelText ("LO NOTE", 24, &preset, c.firmware), c.low) << c.firmware;
        EXPECT_EQ (GlobalViewComponent::noteLabelText ("HI NOTE", 110, &preset, c.firmware), c.high) << c.firmware;
    }

    EXPECT_EQ (GlobalViewComponent::versionNumber ("v1.1.0"), 10100);
    EXPECT_EQ (GlobalViewComponent::versionNumber ("v1.0.9"), 10009);
    EXPECT_EQ (GlobalViewComponent::noteLabelText ("LO NOTE", 24, nullptr, "v1.1.0"), "LO NOTE:C 1");

    // Loading a preset refreshes the read-outs, not the knobs.
    ViewRig rig;
    rig.settings.firmwareVersion = "v1.1.0";
    rig.session->loadPresetIntoEditor (preset, juce::dontSendNotification);
    EXPECT_EQ (rig.label ("Low Note Label").getText(), "LO NOTE:C 2");
    EXPECT_EQ (rig.knob ("Low Note").getValue(), 24.0);
}

TEST (ParameterViews, ViewLayoutScalesItsDesignRectangles)
{
    const auto scale = DesignLayout::scaled (DesignLayout::boundsOf (DesignLayout::Basic::children, "Scale"), 0.75f);
    EXPECT_EQ (scale, juce::Rectangle<int> (23, 28, 85, 29));

    ViewRig rig;
    EXPECT_EQ (rig.list ("Scale").getBounds(), juce::Rectangle<int> (31, 38, 112, 38));
    EXPECT_EQ (rig.label ("Transpose Label").getBounds(), juce::Rectangle<int> (413, 423, 128, 38));
    EXPECT_EQ (rig.knob ("High Note").getBounds(), juce::Rectangle<int> (466, 58, 70, 70));
}

TEST (ParameterViews, EditsInEveryViewSurviveAQuickSaveAndASync)
{
    ViewRig rig;
    rig.deviceList().selectRow (2);

    rig.knob ("Filter Cutoff").setValue (40, juce::sendNotificationSync);
    rig.list ("Scale").setSelectedId (10, juce::sendNotificationSync);
    rig.knob ("Scan Position").setValue (7000, juce::sendNotificationSync);
    rig.knob ("Volume Filter Resonance").setValue (12000, juce::sendNotificationSync);
    rig.knob ("Transpose").setValue (52, juce::sendNotificationSync);
    rig.knob ("Master Volume").setValue (9000, juce::sendNotificationSync);
    rig.nameDisplay().setText ("my edit", juce::sendNotificationSync);

    rig.dialogs.confirmations = { true };
    rig.session->getCommands().quickSavePreset();

    rig.session->advanceSync();
    ASSERT_TRUE (rig.waitForSyncToFinish());

    const auto& slot = rig.session->getLink().deviceLibrary.presets[2];
    EXPECT_EQ (slot.name, "MY EDIT");
    EXPECT_EQ (slot.filterCutoff, 40);
    EXPECT_EQ (slot.scale, 9);
    EXPECT_EQ (slot.scanPosition, 7000);
    EXPECT_EQ (slot.volumeFilterResonance, 12000);
    EXPECT_EQ (slot.transpose, 52);
    EXPECT_EQ (rig.deviceList().getModel()->getNumRows(), 32);
}
