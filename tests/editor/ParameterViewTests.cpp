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

    BasicViewComponent& basic() { return main->getBasicView(); }
    AdvancedViewComponent& advanced() { return main->getAdvancedView(); }
    GlobalViewComponent& global() { return main->getGlobalView(); }
    const BXVandoriumPreset& preset() { return main->getCurrentPresetValue(); }

    void chooseEffect (const juce::String& text) { basic().effectList.setSelectedId (idOf (text), juce::sendNotificationSync); }

    int idOf (const juce::String& text)
    {
        auto& list = basic().effectList;

        for (int i = 0; i < list.getNumItems(); ++i)
            if (list.getItemText (i) == text)
                return list.getItemId (i);

        return 0;
    }
};
} // namespace

TEST (ParameterViews, TooltipsReadInTheParametersUnits)
{
    ViewRig rig;
    auto& basic = rig.basic();

    const struct
    {
        juce::Slider* knob;
        double value;
        const char* text;
    } cases[] = {
        { &basic.filterCutoffKnob, 64, "50.39 %" },
        { &basic.scanRateKnob, 8192, "16.0 Hz" },
        { &basic.delayTimeKnob, 13695, "836 ms" },
        { &basic.filterPitchTrackKnob, 8192, "0 %" },
        { &basic.scanAmountKnob, 16383, "2.00" },
        { &basic.scanAmountKnob, 0, "0.00" },
        { &rig.advanced().volumeVolumeKnob, 1024, "100 %" },
        { &rig.advanced().volumeVolumeKnob, 16383, "1600 %" },
        { &rig.global().masterVolumeKnob, 12288, "75 %" },
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
    EXPECT_TRUE (rig.global().lowNoteKnob.getTooltip().isEmpty());
    EXPECT_TRUE (rig.advanced().transposeKnob.getTooltip().isEmpty());
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
        EXPECT_EQ ((int) rig.basic().delayTimeKnob.getValue(), c.time) << c.effect;
        EXPECT_EQ ((int) rig.basic().delayFeedbackKnob.getValue(), c.feedback) << c.effect;
        EXPECT_EQ (rig.sent().front(), std::string ("effect ") + c.effect);
    }

    // After "OFF", the first move of a delay knob makes the effect the user's own.
    rig.basic().delayTimeKnob.setValue (100, juce::sendNotificationSync);
    EXPECT_EQ (rig.sent(), (Sent { "effect PRESET", "cc 12=0", "cc 44=100" }));
    EXPECT_EQ (rig.basic().effectList.getText(), "PRESET");
    EXPECT_EQ (rig.basic().effectList.getSelectedId(), 0);
    EXPECT_EQ (rig.preset().effect, 4);

    rig.basic().delayTimeKnob.setValue (200, juce::sendNotificationSync);
    EXPECT_EQ (rig.sent(), (Sent { "cc 12=1", "cc 44=72" }));

    rig.chooseEffect ("LONG DELAY");
    rig.sent();
    rig.basic().delayFeedbackKnob.setValue (5000, juce::sendNotificationSync);
    EXPECT_EQ (rig.sent(), (Sent { "effect PRESET", "cc 14=39", "cc 46=8" }));
    rig.basic().delayFeedbackKnob.setValue (5001, juce::sendNotificationSync);
    EXPECT_EQ (rig.sent(), (Sent { "cc 14=39", "cc 46=9" }));
}

TEST (ParameterViews, WaveformsWithoutScanningDimTheScanKnobs)
{
    ViewRig rig;
    auto& basic = rig.basic();
    auto& advanced = rig.advanced();

    basic.scanRateKnob.setValue (5000, juce::sendNotificationSync);
    advanced.pitchWaveformScanRateKnob.setValue (10000, juce::sendNotificationSync);
    rig.sent();

    basic.waveformList.setSelectedId (5, juce::sendNotificationSync); // BRIGHT
    const auto sent = rig.sent();
    EXPECT_EQ (sent, (Sent { "cc 9=0", "cc 41=0", "cc 22=64", "cc 54=0", "cc 90=4" }));
    EXPECT_EQ (rig.preset().scanRate, 0);
    EXPECT_EQ (rig.preset().pitchWaveformScanRate, 8192);
    EXPECT_FALSE (basic.scanRateKnob.isEnabled());
    EXPECT_NEAR (basic.scanRateKnob.getAlpha(), 0.5f, 0.01f); // stored in 8 bits
    EXPECT_EQ (basic.scanRateKnob.getTooltip(), "SCAN RATE is not used by BRIGHT waveform");
    EXPECT_EQ (basic.scanPositionKnob.getTooltip(), "SCAN POS is not used by BRIGHT waveform");
    EXPECT_EQ (advanced.volumeWaveformScanAmountKnob.getTooltip(), "SCAN AMOUNT is not used by BRIGHT waveform");
    EXPECT_TRUE (advanced.volumeFilterCutoffKnob.isEnabled());
    EXPECT_TRUE (advanced.transposeKnob.isEnabled());

    basic.waveformList.setSelectedId (4, juce::sendNotificationSync); // AURORA 1
    EXPECT_EQ (rig.sent(), (Sent { "cc 90=3" }));
    EXPECT_TRUE (basic.scanRateKnob.isEnabled());
    EXPECT_FLOAT_EQ (basic.scanRateKnob.getAlpha(), 1.0f);
    EXPECT_EQ (basic.scanRateKnob.getTooltip(), "0.0 Hz");
    EXPECT_EQ (advanced.pitchWaveformScanRateKnob.getTooltip(), "0 %");

    basic.waveformList.setSelectedId (6, juce::sendNotificationSync); // HOLLOW
    EXPECT_EQ (advanced.pitchWaveformScanRateKnob.getTooltip(), "SCAN RATE is not used by HOLLOW waveform");
    basic.waveformList.setSelectedId (1, juce::sendNotificationSync); // SINE
    EXPECT_EQ (basic.scanAmountKnob.getTooltip(), "SCAN AMOUNT is not used by SINE, TRIANGLE and SUPER SAW waveforms");

    // The library manager's preview sends 0 for unused scan knobs.
    basic.scanAmountKnob.setValue (3000, juce::dontSendNotification);
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
    auto& basic = rig.basic();

    // A device slot: nothing goes out, and the record keeps its scan values.
    BXVandoriumPreset sine;
    sine.waveform = 0;
    sine.scanAmount = 9000;
    sine.pitchWaveformScanAmount = 2000;
    sine.effect = 2;
    rig.main->getDeviceLink().deviceLibrary.presets[3] = sine;
    rig.main->getDeviceList().selectRow (3);
    EXPECT_EQ (rig.sent(), (Sent { "pc 3" }));
    EXPECT_EQ (basic.scanAmountKnob.getValue(), 0.0);
    EXPECT_FALSE (basic.scanAmountKnob.isEnabled());
    EXPECT_EQ (rig.preset().scanAmount, 9000);
    EXPECT_EQ (rig.advanced().pitchWaveformScanAmountKnob.getValue(), 8192.0);
    EXPECT_EQ (rig.preset().pitchWaveformScanAmount, 2000);
    EXPECT_EQ (basic.effectList.getText(), "MED DELAY");
    EXPECT_EQ (basic.effectList.getSelectedId(), 3);

    // A library preset that differs from the current one only in its cutoff.
    ViewRig fresh;
    BXVandoriumPreset plain, changed;
    changed.filterCutoff = 64;
    changed.name = "DARKER";
    fresh.useLibrary ("MINE", { plain, changed });
    fresh.main->getLibraryList().selectRow (0);
    fresh.sent();
    fresh.main->getLibraryList().selectRow (1);
    EXPECT_EQ (fresh.sent(), (Sent { "name DARKER", "cc 74=64" }));
    EXPECT_EQ (fresh.basic().filterCutoffKnob.getTooltip(), "50.39 %");
    EXPECT_EQ (fresh.basic().effectList.getText(), "PRESET");
    EXPECT_EQ (fresh.basic().effectList.getSelectedId(), 0);
}

TEST (ParameterViews, TranspositionAndTheNoteRange)
{
    ViewRig rig;
    auto& advanced = rig.advanced();
    auto& global = rig.global();

    for (const auto& [value, text] : { std::pair { 0, "-64 SEMITONES" }, std::pair { 64, "+0 SEMITONES" }, std::pair { 127, "+63 SEMITONES" } })
    {
        BXVandoriumPreset p;
        p.transpose = (juce::uint8) value;
        advanced.setFromPreset (p, juce::dontSendNotification);
        EXPECT_EQ (advanced.transposeLabel.getText(), text);
    }

    advanced.transposeKnob.setValue (64, juce::dontSendNotification);
    rig.sent();
    advanced.transposeKnob.setValue (65, juce::sendNotificationSync);
    EXPECT_EQ (advanced.transposeLabel.getText(), "+1 SEMITONES");
    EXPECT_EQ (rig.preset().transpose, 65);
    EXPECT_EQ (rig.sent(), (Sent { "cc 102=65" }));
    EXPECT_TRUE (advanced.transposeKnob.getTooltip().isEmpty());

    // Double-click returns a modulation knob to its centre.
    advanced.volumeFilterCutoffKnob.setValue (100, juce::dontSendNotification);
    advanced.volumeFilterCutoffKnob.setValue (advanced.volumeFilterCutoffKnob.getDoubleClickReturnValue(), juce::sendNotificationSync);
    EXPECT_EQ (rig.sent(), (Sent { "cc 27=64", "cc 59=0" }));
    EXPECT_FALSE (advanced.volumeVolumeKnob.isDoubleClickReturnEnabled());

    EXPECT_EQ (global.lowNoteLabel.getText(), "LO NOTE:C 1");
    EXPECT_EQ (global.highNoteLabel.getText(), "HI NOTE:D 8");

    global.highNoteKnob.setValue (60, juce::sendNotificationSync);
    EXPECT_EQ (global.highNoteLabel.getText(), "HI NOTE:C 4");
    EXPECT_EQ (rig.sent(), (Sent { "cc 88=60" }));

    // Dragged past the high note, the low note is held there: 60 twice, never 70.
    global.lowNoteKnob.setValue (70, juce::sendNotificationSync);
    pumpUntil ([]
               { return false; },
               50);
    EXPECT_EQ (global.lowNoteKnob.getValue(), 60.0);
    EXPECT_EQ (global.lowNoteLabel.getText(), "LO NOTE:C 4");
    EXPECT_EQ (rig.sent(), (Sent { "cc 87=60", "cc 87=60" }));

    global.masterVolumeKnob.setValue (12289, juce::dontSendNotification);
    global.masterVolumeKnob.setValue (12288, juce::sendNotificationSync);
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
    rig.main->loadPresetIntoEditor (preset, juce::dontSendNotification);
    EXPECT_EQ (rig.global().lowNoteLabel.getText(), "LO NOTE:C 2");
    EXPECT_EQ (rig.global().lowNoteKnob.getValue(), 24.0);
}

TEST (ParameterViews, ViewLayoutScalesItsDesignRectangles)
{
    const auto scale = DesignLayout::scaled (DesignLayout::boundsOf (DesignLayout::Basic::children, "Scale"), 0.75f);
    EXPECT_EQ (scale, juce::Rectangle<int> (23, 28, 85, 29));

    ViewRig rig;
    EXPECT_EQ (rig.basic().scaleList.getBounds(), juce::Rectangle<int> (31, 38, 112, 38));
    EXPECT_EQ (rig.advanced().transposeLabel.getBounds(), juce::Rectangle<int> (413, 423, 128, 38));
    EXPECT_EQ (rig.global().highNoteKnob.getBounds(), juce::Rectangle<int> (466, 58, 70, 70));
}

TEST (ParameterViews, EditsInEveryViewSurviveAQuickSaveAndASync)
{
    ViewRig rig;
    rig.main->getDeviceList().selectRow (2);

    rig.basic().filterCutoffKnob.setValue (40, juce::sendNotificationSync);
    rig.basic().scaleList.setSelectedId (10, juce::sendNotificationSync);
    rig.basic().scanPositionKnob.setValue (7000, juce::sendNotificationSync);
    rig.advanced().volumeFilterResonanceKnob.setValue (12000, juce::sendNotificationSync);
    rig.advanced().transposeKnob.setValue (52, juce::sendNotificationSync);
    rig.global().masterVolumeKnob.setValue (9000, juce::sendNotificationSync);
    rig.main->presetNameLabel.setText ("my edit", juce::sendNotificationSync);

    rig.dialogs.confirmations = { true };
    rig.main->getCommands().quickSavePreset();

    rig.main->advanceSync();
    ASSERT_TRUE (rig.waitForSyncToFinish());

    const auto& slot = rig.main->getDeviceLink().deviceLibrary.presets[2];
    EXPECT_EQ (slot.name, "MY EDIT");
    EXPECT_EQ (slot.filterCutoff, 40);
    EXPECT_EQ (slot.scale, 9);
    EXPECT_EQ (slot.scanPosition, 7000);
    EXPECT_EQ (slot.volumeFilterResonance, 12000);
    EXPECT_EQ (slot.transpose, 52);
    EXPECT_EQ (rig.main->getDeviceList().getModel()->getNumRows(), 32);
}
