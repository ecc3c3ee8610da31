#include "dialogs/QuickStartDialog.h"
#include "dialogs/SettingsDialog.h"
#include "editor/FindComponent.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace
{
struct SwitchesRig
{
    SwitchesRig() { settings.load (temp.folders()); }

    juce::File settingsFile() const { return settings.getSettingsFile(); }

    TempFolder temp;
    EditorSettings settings;
    ScriptedDialogs dialogs;
    SettingsSwitches switches { settings, dialogs };
};

template <typename ComponentType>
ComponentType& child (juce::Component& parent, const juce::String& name)
{
    auto* found = findComponent<ComponentType> (parent, name);

    if (found == nullptr)
        throw std::runtime_error ("no control named " + name.toStdString());

    return *found;
}

} // namespace

TEST (SettingsDialog, SizesAndRectanglesAtBothScales)
{
    SwitchesRig rig;

    struct Case
    {
        float scale;
        juce::Rectangle<int> settingsSize, editorManual, showTooltips, quickStartSize, quickStartSwitch;
    };

    const Case cases[] = {
        { 1.0f, { 730, 400 }, { 416, 76, 58, 59 }, { 79, 279, 24, 26 }, { 720, 570 }, { 26, 514, 24, 26 } },
        { 0.86328125f, { 630, 345 }, { 359, 65, 51, 52 }, { 68, 240, 21, 24 }, { 621, 492 }, { 22, 443, 22, 24 } },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.scale);
        SettingsDialog settingsDialog (rig.switches, c.scale);
        QuickStartDialog quickStart (rig.switches, c.scale);

        EXPECT_EQ (settingsDialog.getLocalBounds(), c.settingsSize);
        EXPECT_EQ (child<juce::Button> (settingsDialog, "Editor User Manual").getBounds(), c.editorManual);
        EXPECT_EQ (child<juce::Button> (settingsDialog, "Show Tooltips").getBounds(), c.showTooltips);
        EXPECT_EQ (quickStart.getLocalBounds(), c.quickStartSize);
        EXPECT_EQ (child<juce::Button> (quickStart, "Show Quick Start guide").getBounds(), c.quickStartSwitch);
    }
}

TEST (SettingsDialog, VersionLabelAndRoundButtonResults)
{
    SwitchesRig rig;

    {
        SettingsDialog dialog (rig.switches);
        EXPECT_EQ (child<juce::Label> (dialog, "Version").getText(), "v1.0.0");
    }

    rig.settings.firmwareVersion = "2.14";
    SettingsDialog dialog (rig.switches);
    EXPECT_EQ (child<juce::Label> (dialog, "Version").getText(), "v1.0.0  (Vandorium FW 2.14)");

    std::vector<int> results;
    dialog.onCommand = [&] (int result)
    { results.push_back (result); };

    for (auto* name : { "Vandorium User Manual", "Editor User Manual", "Quick Start Guide" })
    {
        child<juce::Button> (dialog, name).triggerClick();
        juce::MessageManager::getInstance()->runDispatchLoopUntil (20);
    }

    EXPECT_EQ (results, (std::vector<int> { 1000, 1001, 1002 }));
}

TEST (SettingsDialog, EverySwitchChangeIsWrittenAtOnce)
{
    SwitchesRig rig;
    SettingsDialog dialog (rig.switches);
    auto& tooltips = child<juce::Button> (dialog, "Show Tooltips");
    EXPECT_TRUE (tooltips.getToggleState());

    for (const auto expected : { false, true })
    {
        rig.settingsFile().deleteFile();
        tooltips.triggerClick();
        juce::MessageManager::getInstance()->runDispatchLoopUntil (20);

        EXPECT_EQ (rig.settings.showTooltips, expected);
        juce::StringArray lines;
        lines.addLines (rig.settingsFile().loadFileAsString());
        lines.removeEmptyStrings();
        EXPECT_EQ (lines.size(), 6);
        EXPECT_TRUE (lines.joinIntoString ("\n").contains ("<ShowTooltips value=\"" + juce::String (expected ? 1 : 0)));
    }

    // The guide's switch, turned off in the guide, holds at the next start
    // and shows in the settings dialog.
    {
        QuickStartDialog guide (rig.switches);
        auto& showAtStart = child<juce::Button> (guide, "Show Quick Start guide");
        EXPECT_TRUE (showAtStart.getToggleState());
        showAtStart.triggerClick();
        juce::MessageManager::getInstance()->runDispatchLoopUntil (20);
    }

    EditorSettings nextStart;
    nextStart.load (rig.temp.folders());
    EXPECT_FALSE (nextStart.showQuickStartGuide);
    EXPECT_TRUE (rig.settingsFile().loadFileAsString().contains ("<ShowQuickStartGuide value=\"0"));
    EXPECT_FALSE (child<juce::Button> (*std::make_unique<SettingsDialog> (rig.switches), "Show Quick Start Guide").getToggleState());
    EXPECT_TRUE (rig.dialogs.boxes.empty());
}

TEST (SettingsDialog, ASettingsFileThatCannotBeWrittenIsToldOnce)
{
    SwitchesRig rig;
    // The settings folder is taken by a plain file: nothing can be written there.
    const juce::File folder (rig.settings.settingsFolder);
    folder.deleteRecursively();
    folder.replaceWithText ("not a folder");

    rig.switches.setShowTooltips (false);
    rig.switches.setShowQuickStartGuide (false);
    rig.switches.setShowTooltips (true);

    EXPECT_TRUE (rig.settings.showTooltips);
    EXPECT_FALSE (rig.settings.showQuickStartGuide);
    ASSERT_EQ (rig.dialogs.boxes.size(), 1u);
    EXPECT_EQ (rig.dialogs.boxes[0].title, "Error");
    EXPECT_TRUE (rig.dialogs.boxes[0].message.contains (rig.settingsFile().getFullPathName()));

    // Once it works again, a later failure is told again.
    folder.deleteFile();
    folder.createDirectory();
    rig.switches.setShowTooltips (false);
    folder.deleteRecursively();
    folder.replaceWithText ("not a folder");
    rig.switches.setShowTooltips (true);
    EXPECT_EQ (rig.dialogs.boxes.size(), 2u);
}
