#include "app/VandoriumEditorApplication.h"
#include "dialogs/HelpCommands.h"
#include "dialogs/QuickStartDialog.h"
#include "dialogs/SettingsDialog.h"
#include "support/EditorTestRig.h"
#include "support/HelpTestDoubles.h"

#include <gtest/gtest.h>

namespace
{
/** The main component with its help commands on scripted dialogs, a
    scripted modal runner and a recording opener; the resource folder is a
    temporary one that holds both manuals.
*/
struct HelpRig
{
    HelpRig()
    {
        for (auto* manual : { HelpCommands::instrumentManual, HelpCommands::editorManual })
            resources().getChildFile (manual).replaceWithText ("%PDF-1.4\n");

        editor.main->setHelpCommands (&help);
    }

    ~HelpRig() { editor.main->setHelpCommands (nullptr); }

    juce::File resources() const { return editor.temp.getRoot().getChildFile ("help resources"); }

    /** A control of the dialog on screen, found by its component name. */
    template <typename ComponentType>
    static ComponentType& controlIn (juce::Component& dialog, const juce::String& name)
    {
        auto* found = findComponent<ComponentType> (dialog, name);

        if (found == nullptr)
            throw std::runtime_error ("no control named " + name.toStdString());

        return *found;
    }

    EditorTestRig editor;
    ScriptedModalRunner runner;
    RecordingOpener opener;
    juce::File resourceFolder = (resources().createDirectory(), resources());
    HelpCommands help { { editor.settings, editor.dialogs, runner, opener, resourceFolder } };
};
} // namespace

TEST (Help, EachWayOutOfTheSettingsDialogCarriesOutItsCommand)
{
    struct Case
    {
        int result;
        juce::StringArray dialogsShown;
        juce::String opened;
    };

    const Case cases[] = {
        { SettingsDialog::openInstrumentManual, { "Settings" }, "Vandorium_Manual_6_25.pdf" },
        { SettingsDialog::openEditorManual, { "Settings" }, "Vandorium_Editor_Manual.pdf" },
        { SettingsDialog::showQuickStartGuide, { "Settings", "Quick Start Guide" }, {} },
        { 0, { "Settings" }, {} }, // close button or Escape
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.result);
        HelpRig rig;
        int settingsOpenDuringGuide = -1;
        rig.runner.script = [&] (juce::Component& content, const juce::String& title)
        {
            if (title == "Settings")
                return c.result;

            // The settings dialog is closed, not stacked under the guide.
            settingsOpenDuringGuide = rig.runner.openNow - 1;
            EXPECT_NE (dynamic_cast<QuickStartDialog*> (&content), nullptr);
            return 0;
        };

        rig.editor.main->showSettingsDialog();

        EXPECT_EQ (rig.runner.titles(), c.dialogsShown);
        EXPECT_EQ (rig.runner.shown.front().centreAround, rig.editor.main.get());

        const auto expectedOpened = c.opened.isEmpty() ? juce::StringArray() : juce::StringArray (rig.resources().getChildFile (c.opened).getFullPathName());
        EXPECT_EQ (rig.opener.opened, expectedOpened);

        EXPECT_EQ (settingsOpenDuringGuide, c.result == SettingsDialog::showQuickStartGuide ? 0 : -1);

        EXPECT_TRUE (rig.editor.dialogs.boxes.empty());
        EXPECT_FALSE (rig.help.isSettingsDialogOpen());
    }
}

TEST (Help, AMissingManualOrATargetTheDesktopCannotShowGetsAnErrorNamingIt)
{
    HelpRig rig;
    rig.resources().getChildFile (HelpCommands::editorManual).deleteFile();

    rig.runner.script = [] (juce::Component&, const juce::String&)
    { return (int) SettingsDialog::openEditorManual; };
    rig.editor.main->showSettingsDialog();

    EXPECT_TRUE (rig.opener.opened.isEmpty()) << "nothing is asked to open a file that is not there";
    ASSERT_EQ (rig.editor.dialogs.boxes.size(), 1u);
    EXPECT_EQ (rig.editor.dialogs.boxes[0].title, "Error");
    EXPECT_TRUE (rig.editor.dialogs.boxes[0].message.contains ("\"Vandorium_Editor_Manual.pdf\""));
    EXPECT_TRUE (rig.editor.dialogs.boxes[0].message.contains (rig.resources().getFullPathName()));

    rig.opener.failureReason = "No application is set up on this computer to show it";
    rig.help.openManual (HelpCommands::instrumentManual);
    rig.editor.main->openMakerWebsite();

    ASSERT_EQ (rig.editor.dialogs.boxes.size(), 3u);

    for (const auto& [box, target] : { std::pair { rig.editor.dialogs.boxes[1], rig.resources().getChildFile (HelpCommands::instrumentManual).getFullPathName() },
                                       std::pair { rig.editor.dialogs.boxes[2], juce::String (HelpCommands::makerWebsite) } })
    {
        EXPECT_EQ (box.title, "Error");
        EXPECT_TRUE (box.message.contains (target)) << box.message;
        EXPECT_TRUE (box.message.contains (rig.opener.failureReason)) << box.message;
    }
}

TEST (Help, TheLogosTheMenuAndASecondRequestWhileOpen)
{
    HelpRig rig;
    int reentries = 0, tooltipMatches = 0;

    rig.runner.script = [&] (juce::Component&, const juce::String& title)
    {
        if (title == "Settings")
        {
            // Re-entry through the menu or the logo while the dialog is open.
            EXPECT_FALSE (rig.help.showSettingsDialog (rig.editor.main.get(), [&]
                                                       { ++tooltipMatches; }));
            rig.editor.click ("Vandorium Logo");
            ++reentries;
        }

        return 0;
    };

    rig.editor.click ("Vandorium Logo");
    EXPECT_EQ (rig.runner.titles(), juce::StringArray ("Settings"));
    EXPECT_EQ (reentries, 1);
    EXPECT_EQ (tooltipMatches, 0);

    rig.editor.click ("Brax Logo");
    EXPECT_EQ (rig.opener.opened, juce::StringArray (HelpCommands::makerWebsite));

    // The menu: one menu, "Menu", with "Settings", a separator and the website.
    VandoriumEditorApplication::MainWindow::MenuBar menu;
    menu.mainComponent = rig.editor.main.get();
    EXPECT_EQ (menu.getMenuBarNames(), juce::StringArray ("Menu"));

    juce::StringArray items;

    const auto popup = menu.getMenuForIndex (0, "Menu");

    for (juce::PopupMenu::MenuItemIterator it (popup); it.next();)
    {
        const auto& item = it.getItem();
        items.add (item.isSeparator ? "-" : item.text + " " + juce::String (item.itemID) + (item.isEnabled ? "" : " disabled"));
    }

    EXPECT_EQ (items, juce::StringArray ({ "Settings 1", "-", "Brax Music's Website 2" }));

    menu.menuItemSelected (1, 0);
    menu.menuItemSelected (2, 0);
    menu.menuItemSelected (3, 0);
    juce::MessageManager::getInstance()->runDispatchLoopUntil (20);
    EXPECT_EQ (rig.runner.titles(), juce::StringArray ({ "Settings", "Settings" }));
    EXPECT_EQ (rig.opener.opened, juce::StringArray ({ HelpCommands::makerWebsite, HelpCommands::makerWebsite }));
}

TEST (Help, TheTooltipWindowFollowsTheSwitchWhenTheDialogCloses)
{
    HelpRig rig;
    ASSERT_NE (rig.editor.main->getTooltipWindow(), nullptr);

    bool tooltipWindowWhileOpen = false;
    rig.runner.script = [&] (juce::Component& dialog, const juce::String&)
    {
        HelpRig::controlIn<juce::ToggleButton> (dialog, "Show Tooltips").triggerClick();
        juce::MessageManager::getInstance()->runDispatchLoopUntil (20); // triggerClick is asynchronous
        tooltipWindowWhileOpen = rig.editor.main->getTooltipWindow() != nullptr;
        return 0; // Escape: no command, but the switch still applies
    };

    rig.editor.main->showSettingsDialog();
    EXPECT_TRUE (tooltipWindowWhileOpen) << "the window changes only when the dialog has closed";
    EXPECT_FALSE (rig.editor.settings.showTooltips);
    EXPECT_EQ (rig.editor.main->getTooltipWindow(), nullptr);

    rig.editor.main->showSettingsDialog();
    EXPECT_TRUE (rig.editor.settings.showTooltips);
    ASSERT_NE (rig.editor.main->getTooltipWindow(), nullptr);
    EXPECT_EQ (rig.editor.main->getTooltipWindow()->getParentComponent(), rig.editor.main.get());
}
