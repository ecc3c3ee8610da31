#include "LibraryManagerComponent.h"

#include "PresetSearch.h"

#include "appearance/DesignLayout.h"
#include "appearance/ResourceLoader.h"
#include "appearance/UiScale.h"
#include "model/AppFolders.h"

namespace
{
// Button name, caption name and text, and what the button runs, in the
// order they are stacked.
struct CommandLayout
{
    const char* name;
    const char* captionName;
    const char* captionText;
    void (LibraryManagerComponent::*run)();
};

const CommandLayout commandLayouts[] = {
    { "New", "New label", "NEW", &LibraryManagerComponent::newLibrary },
    { "Rename", "Rename label", "RENAME", &LibraryManagerComponent::renameLibrary },
    { "Delete", "Delete label", "DELETE", &LibraryManagerComponent::deleteLibrary },
    { "Undo", "Undo label", "UNDO", &LibraryManagerComponent::undoLastDrop },
    { "Send All", "Send All label", "SEND", &LibraryManagerComponent::sendAll },
    { "load", "Load label", "LOAD", &LibraryManagerComponent::importLibrary },
    { "Save", "Save label", "SAVE", &LibraryManagerComponent::exportLibrary },
};

constexpr const char* closeRefusal = "You must select a Presets Library first to close this view";
} // namespace

LibraryManagerComponent::LibraryManagerComponent (EditorSession& s)
    : session (s)
    , catalogue (s.getSettings().libraryFolder, s.getSettings().getResourceFolder())
{
    const auto scale = getUiScale();
    const auto buttonImage = getResourceImage ("Generic Button HD", "png");
    const auto none = juce::Colour (0x00000000);

    buttonLook.setKnobImage (getResourceFile ("Generic Button HD", "png"), 2);
    listLook.setKnobImage (getResourceFile ("Scrollbar Knob HD", "png"), 1);

    for (const auto& layout : commandLayouts)
    {
        auto c = std::make_unique<Command>();
        c->button.setName (layout.name);
        c->button.onClick = [this, run = layout.run]
        { (this->*run)(); };
        c->button.setImages (false, true, true, buttonImage, 1.0f, none, {}, 1.0f, none, {}, 1.0f, none, 0.0f);
        c->button.setLookAndFeel (&buttonLook);
        c->button.setWantsKeyboardFocus (false);

        c->caption.setName (layout.captionName);
        c->caption.setText (layout.captionText, juce::dontSendNotification);
        c->caption.setFont (getFuturaFont (14.0f * scale, true));
        c->caption.setJustificationType (juce::Justification::centred);
        c->caption.setColour (juce::Label::textColourId, juce::Colours::white);
        c->caption.setInterceptsMouseClicks (false, false);
        commands.push_back (std::move (c));
    }

    librariesList.setName ("Libraries");
    presetsList.setName ("Presets");

    for (auto* list : { &librariesList, &presetsList })
    {
        list->setColour (juce::ListBox::backgroundColourId, juce::Colour (0x00000000));
        list->setRowHeight (std::max (1, (int) (20.0f * scale)));
        list->getVerticalScrollBar().setLookAndFeel (&listLook);
        list->getVerticalScrollBar().setAutoHide (false);
    }

    // Stacking: each caption above its button, the lists between.
    for (auto& c : commands)
    {
        addAndMakeVisible (c->button);
        addAndMakeVisible (c->caption);
    }

    addAndMakeVisible (librariesList);
    addAndMakeVisible (presetsList);

    // The field sits on an LCD panel of the background, like the lists.
    findField.setFont (getResourceFont ("LCDFont", 18.0f));
    findField.setIndents (std::max (1, (int) (6.0f * scale)), 0);
    findField.setJustification (juce::Justification::centredLeft);
    findField.setInputRestrictions (BXVandoriumPreset::maxNameLength);
    findField.setTextToShowWhenEmpty ("NAME", juce::Colour (VandoriumLookAndFeel::darkColour).withAlpha (0.4f));
    findField.setColour (juce::TextEditor::backgroundColourId, juce::Colour (0x00000000));
    findField.setColour (juce::TextEditor::outlineColourId, juce::Colour (0x00000000));
    findField.setColour (juce::TextEditor::focusedOutlineColourId, juce::Colour (VandoriumLookAndFeel::darkColour).withAlpha (0.5f));
    findField.setColour (juce::TextEditor::textColourId, juce::Colour (VandoriumLookAndFeel::darkColour));
    findField.setColour (juce::TextEditor::highlightColourId, juce::Colour (VandoriumLookAndFeel::darkColour).withAlpha (0.3f));
    findField.setColour (juce::CaretComponent::caretColourId, juce::Colour (VandoriumLookAndFeel::darkColour));
    findField.setTooltip ("Type part of a preset's name to find it; Escape shows every preset again");
    findField.onTextChange = [this]
    { applySearch(); };
    findField.onEscapeKey = [this]
    { setSearchText ({}); };
    findField.onReturnKey = [] {};
    // The list's look draws the field in the colours above; the dialog's would fill it.
    findField.setLookAndFeel (&listLook);
    addAndMakeVisible (findField);

    background = getResourceDrawable ("LIBRARY MANAGER", "png");
    setSize ((int) (DesignLayout::LibraryManager::width * scale), (int) (DesignLayout::LibraryManager::height * scale));

    showLibraries (catalogue.rowOf (session.getSettings().currentLibraryName));
}

LibraryManagerComponent::~LibraryManagerComponent()
{
    librariesList.setModel (nullptr);
    presetsList.setModel (nullptr);

    for (auto& c : commands)
        c->button.setLookAndFeel (nullptr);

    findField.setLookAndFeel (nullptr);

    for (auto* list : { &librariesList, &presetsList })
        list->getVerticalScrollBar().setLookAndFeel (nullptr);
}

LibraryManagerComponent::Command& LibraryManagerComponent::command (const juce::String& name)
{
    for (auto& c : commands)
        if (c->button.getName() == name)
            return *c;

    jassertfalse;
    return *commands.front();
}

//==============================================================================
void LibraryManagerComponent::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colours::black);
    const auto scale = getUiScale();

    if (background != nullptr)
        background->drawWithin (g, { 0.0f, 0.0f, DesignLayout::LibraryManager::width * scale, DesignLayout::LibraryManager::height * scale }, juce::RectanglePlacement::stretchToFit, 1.0f);
}

void LibraryManagerComponent::resized()
{
    using namespace DesignLayout;
    const auto scale = getUiScale();

    for (auto* child : getChildren())
        child->setBounds (scaled (boundsOf (LibraryManager::children, child->getName().toRawUTF8()), scale));
}

//==============================================================================
void LibraryManagerComponent::showLibraries (int rowToSelect)
{
    librariesList.setModel (nullptr);
    librariesModel = std::make_unique<LibraryListBoxModel> (static_cast<LibraryListBoxModelListener*> (this), &catalogue.librariesForList(), librariesList.getWidth() - 28);
    librariesList.setModel (librariesModel.get());
    librariesList.updateContent();

    if (rowToSelect >= 0)
        librariesList.selectRow (rowToSelect); // reports the library: the presets follow
    else
        librariesList.deselectAllRows();

    if (rowToSelect < 0)
        showPresetsOf (&noLibrary);

    librariesList.repaint();
    updateCommandButtons();
}

void LibraryManagerComponent::showPresetsOf (BXVandoriumLibrary* library)
{
    presetsList.deselectAllRows();
    auto model = std::make_unique<PresetListBoxModel> (static_cast<PresetListBoxModelListener*> (this), library, presetsList.getWidth() - 28);
    presetsList.setModel (model.get());
    presetsModel = std::move (model);
    applySearch();
}

void LibraryManagerComponent::setSearchText (const juce::String& text)
{
    findField.setText (text, false);
    applySearch();
}

void LibraryManagerComponent::applySearch()
{
    if (presetsModel == nullptr)
        return;

    const auto text = findField.getText().trim();
    auto* library = presetsModel->getLibrary();

    // The visible rows change: a selection would now point at another preset.
    presetsList.deselectAllRows();
    presetsModel->showOnly (text.isEmpty() || library == nullptr ? std::nullopt : std::optional (PresetSearch::matching (library->presets, text)));
    presetsList.updateContent();
    presetsList.scrollToEnsureRowIsOnscreen (0);
    presetsList.repaint();
}

void LibraryManagerComponent::updateCommandButtons()
{
    const auto row = selectedLibraryRow();
    const auto show = [this] (const char* name, bool visible)
    {
        auto& c = command (name);
        c.button.setVisible (visible);
        c.caption.setVisible (visible);
    };

    show ("Rename", catalogue.isUserLibrary (row));
    show ("Delete", catalogue.isUserLibrary (row));
    show ("Save", catalogue.isUserLibrary (row));
    show ("Undo", undo.hasRecord());
    show ("Send All", row >= 1 && row < (int) catalogue.size());
    show ("New", true);
    show ("load", true);
}

bool LibraryManagerComponent::report (const LibraryCatalogue::Outcome& outcome)
{
    if (outcome.error.isNotEmpty())
        session.getDialogs().showNotice ("Error", outcome.error);

    return outcome.done;
}

juce::File LibraryManagerComponent::startFolder() const
{
    const auto home = AppFolders::current().home;
    return home != juce::File() ? home : AppFolders::current().documents;
}

void LibraryManagerComponent::librarySelected (BXVandoriumLibrary* library)
{
    showPresetsOf (library);
    updateCommandButtons();
}

void LibraryManagerComponent::presetSelected (BXVandoriumLibrary* library, int row)
{
    // The preview plays the preset's own sound.
    if (library != nullptr && row >= 0 && row < (int) library->presets.size())
        session.previewPreset (library->presets[(size_t) row]);
}

//==============================================================================
bool LibraryManagerComponent::tryToClose()
{
    const auto row = selectedLibraryRow();

    if (row < 1 || row >= (int) catalogue.size())
    {
        session.getDialogs().showNotice ("Error", closeRefusal);
        return false;
    }

    session.setCurrentLibrary (catalogue.getLibrary ((size_t) row));
    return true;
}

void LibraryManagerComponent::newLibrary()
{
    const auto typed = session.getDialogs().promptForText ("New Library", "Enter the new library name", "Library name", catalogue.proposeNewName());

    if (! typed.has_value())
        return;

    const auto outcome = catalogue.createLibrary (*typed);

    if (report (outcome) || outcome.selectedRow >= 0)
        showLibraries (outcome.selectedRow);
}

void LibraryManagerComponent::renameLibrary()
{
    const auto row = selectedLibraryRow();

    if (! catalogue.isUserLibrary (row))
        return;

    const auto typed = session.getDialogs().promptForText ("Rename a library", "Library name", "Library name", catalogue.getLibrary ((size_t) row).getName());

    if (! typed.has_value())
        return;

    report (catalogue.renameLibrary (row, *typed));
    librariesList.updateContent();
    librariesList.repaint();
}

void LibraryManagerComponent::deleteLibrary()
{
    const auto row = selectedLibraryRow();

    if (! catalogue.isUserLibrary (row))
        return;

    const auto& library = catalogue.getLibrary ((size_t) row);

    if (! session.getDialogs().confirm ("Are you sure to delete the selected library\n'" + library.getName() + "'\n(this operation can't be undone) ?"))
        return;

    report (catalogue.deleteLibrary (row));
    showLibraries (-1);
}

void LibraryManagerComponent::importLibrary()
{
    const auto chosen = session.getDialogs().chooseFileToOpen ("Please select the Vandorium Library you want to load...", startFolder(), "*.vandorium;*.syx;*.SYX");

    if (! chosen.has_value())
        return;

    const auto outcome = catalogue.importLibrary (*chosen);
    report (outcome);

    if (outcome.done)
        showLibraries (outcome.selectedRow);
}

void LibraryManagerComponent::exportLibrary()
{
    const auto row = selectedLibraryRow();

    if (! catalogue.isUserLibrary (row))
        return;

    const auto& library = catalogue.getLibrary ((size_t) row);
    const auto chosen = session.getDialogs().chooseFileToSave ("Save a copy of the library (name it .syx for a bank file)", startFolder().getChildFile (library.getName() + BXVandoriumLibrary::fileExtension), "*.vandorium;*.syx;*.SYX");

    if (! chosen.has_value())
        return;

    // A bank holds 32 presets: a longer library is not silently cut short.
    if (const auto question = LibraryCatalogue::bankFileQuestion (library);
        LibraryCatalogue::isBankFile (*chosen) && question.isNotEmpty() && ! session.getDialogs().confirm (question))
        return;

    report (catalogue.exportLibrary (row, *chosen));
}

void LibraryManagerComponent::undoLastDrop()
{
    if (! undo.hasRecord())
    {
        session.getDialogs().showNotice ("Error", "Nothing to undo");
        return;
    }

    if (! session.getDialogs().confirm ("Are you sure you want to undo the last action"))
        return;

    const auto outcome = undo.undo (catalogue);
    report (outcome);

    const auto row = selectedLibraryRow();

    if (outcome.done && (row == 0 || row == outcome.selectedRow))
        showPresetsOf (&catalogue.getLibrary ((size_t) row));

    updateCommandButtons();
}

void LibraryManagerComponent::sendAll()
{
    const auto row = selectedLibraryRow();

    if (row < 1 || row >= (int) catalogue.size())
        return;

    const auto library = catalogue.getLibrary ((size_t) row);

    if (session.getDialogs().confirm (LibraryCatalogue::sendAllQuestion (library)))
        session.sendLibraryToDevice (library);
}

void LibraryManagerComponent::handleListDrop (BXLibraryManagerListBox& source, int sourceRow, BXLibraryManagerListBox& target, int targetRow)
{
    using LibraryDrops::Kind;
    std::optional<Kind> kind;

    if (&source == &presetsList && &target == &librariesList)
        kind = Kind::presetOntoLibrary;
    else if (&source == &librariesList && &target == &librariesList)
        kind = Kind::libraryOntoLibrary;
    else if (&source == &librariesList && &target == &presetsList)
        kind = Kind::libraryOntoPresets;

    if (kind.has_value())
    {
        const auto decision = LibraryDrops::decide (*kind, selectedLibraryRow(), sourceRow, targetRow, catalogue);

        if (decision.refusal.isNotEmpty())
            session.getDialogs().showNotice ("Error", decision.refusal);
        else if (decision.question.isNotEmpty() && session.getDialogs().confirm (decision.question))
            report (LibraryDrops::apply (decision, catalogue, undo));
    }

    updateCommandButtons();
}

//==============================================================================
LibraryManagerDialog::LibraryManagerDialog (EditorSession& session, juce::Component* over)
    : juce::DialogWindow ("Library Manager", juce::Colour (0xff101010), true, true)
    , manager (session)
{
    // Not always on top: the confirmations and prompts it opens must show above it.
    setUsingNativeTitleBar (false);
    setLookAndFeel (&look);
    setContentNonOwned (&manager, true);
    centreAroundComponent (over, getWidth(), getHeight());
    setResizable (false, false);
}

LibraryManagerDialog::~LibraryManagerDialog()
{
    setLookAndFeel (nullptr);
}

void LibraryManagerDialog::open (EditorSession& session, juce::Component* over)
{
    auto* dialog = new LibraryManagerDialog (session, over);
    dialog->setVisible (true);
    dialog->enterModalState (true, nullptr, true);
}

void LibraryManagerDialog::closeButtonPressed()
{
    if (manager.tryToClose())
        exitModalState (0);
}
