#pragma once

#include "LibraryCatalogue.h"
#include "LibraryDrops.h"
#include "appearance/VandoriumLookAndFeel.h"
#include "dialogs/MessageBoxLook.h"
#include "editor/EditorSession.h"
#include "editor/PresetLists.h"

#include <juce_gui_basics/juce_gui_basics.h>

/** The library manager's content: every library beside the presets of the
    selected one, the seven commands, merging by drag and drop with one undo,
    and the preview of a preset on the instrument. The rules live in
    LibraryCatalogue and LibraryDrops; this lays them out and asks the user.
*/
class LibraryManagerComponent final : public juce::Component,
                                      public juce::DragAndDropContainer,
                                      public LibraryManagerDropTarget,
                                      private LibraryListBoxModelListener,
                                      private PresetListBoxModelListener
{
public:
    explicit LibraryManagerComponent (EditorSession& session);
    ~LibraryManagerComponent() override;

    void paint (juce::Graphics&) override;
    void resized() override;

    /** The closing rule: a library row other than "ALL" must be selected; it
        becomes the main window's current library. False (and a message)
        when the window must stay open.
    */
    bool tryToClose();

    void handleListDrop (BXLibraryManagerListBox& source, int sourceRow, BXLibraryManagerListBox& target, int targetRow) override;

    /** The seven commands, as their buttons run them. */
    void newLibrary();
    void renameLibrary();
    void deleteLibrary();
    void importLibrary();
    void exportLibrary();
    void undoLastDrop();
    void sendAll();

    /** The search field: the presets list shows only the presets whose name
        contains the text (every library's with "ALL" selected); empty shows
        them all. The text stays when another library is selected.
    */
    void setSearchText (const juce::String& text);
    juce::String getSearchText() const { return findField.getText(); }

private:
    void librarySelected (BXVandoriumLibrary* library) override;
    void presetSelected (BXVandoriumLibrary* library, int row) override;

    void showLibraries (int rowToSelect);
    void showPresetsOf (BXVandoriumLibrary* library);
    void applySearch();
    void updateCommandButtons();
    bool report (const LibraryCatalogue::Outcome& outcome);
    juce::File startFolder() const;
    int selectedLibraryRow() const { return librariesList.getSelectedRow(); }

    EditorSession& session;
    LibraryCatalogue catalogue;
    LibraryDrops::Undo undo;
    BXVandoriumLibrary noLibrary; // what the presets list shows with no library selected

    // Before the children: the looks outlive them.
    VandoriumLookAndFeel buttonLook, listLook;
    std::unique_ptr<juce::Drawable> background;
    std::unique_ptr<LibraryListBoxModel> librariesModel;
    std::unique_ptr<PresetListBoxModel> presetsModel;

    struct Command
    {
        juce::ImageButton button;
        juce::Label caption;
    };

    std::vector<std::unique_ptr<Command>> commands;
    BXLibraryManagerListBox librariesList, presetsList;
    juce::TextEditor findField { "Find Preset" };

    Command& command (const juce::String& name);

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (LibraryManagerComponent)
};

/** The modal window around the library manager. */
class LibraryManagerDialog final : public juce::DialogWindow
{
public:
    LibraryManagerDialog (EditorSession& session, juce::Component* over);
    ~LibraryManagerDialog() override;

    /** Opens the manager modally over a component; it deletes itself when closed. */
    static void open (EditorSession& session, juce::Component* over);

    void closeButtonPressed() override;

    LibraryManagerComponent& getManager() noexcept { return manager; }

private:
    MessageBoxLook look; // the title bar's
    LibraryManagerComponent manager;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (LibraryManagerDialog)
};
