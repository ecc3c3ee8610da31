#pragma once

#include "model/BXVandoriumLibrary.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <optional>

//==============================================================================
/** Told when a row of a preset list is selected. */
class PresetListBoxModelListener
{
public:
    virtual ~PresetListBoxModelListener() = default;
    virtual void presetSelected (BXVandoriumLibrary*, int) {}
};

/** Told when a row of the library list is selected. */
class LibraryListBoxModelListener
{
public:
    virtual ~LibraryListBoxModelListener() = default;
    virtual void librarySelected (BXVandoriumLibrary*) {}
};

//==============================================================================
/** The LCD-styled rows of one library's presets: "01 NEW PRESET". */
class PresetListBoxModel final : public juce::ListBoxModel
{
public:
    PresetListBoxModel (PresetListBoxModelListener* listener, BXVandoriumLibrary* library, int rowWidth);

    int getNumRows() override;
    void paintListBoxItem (int row, juce::Graphics&, int width, int height, bool selected) override;
    void selectedRowsChanged (int lastRowSelected) override;
    juce::var getDragSourceDescription (const juce::SparseSet<int>& selectedRows) override;

    /** The text of a row: its preset's number, padded to the list's width, and the name. */
    juce::String rowText (int row) const;

    BXVandoriumLibrary* getLibrary() const noexcept { return library; }

    /** Shows only these presets (indices into the library, in order), or all
        of them. The rows keep their presets' own numbers, and the listener
        and a drag are told the preset's index, not the row's: whatever is
        done to a row is done to the preset shown there.
    */
    void showOnly (std::optional<std::vector<int>> presetIndices);

    /** The index in the library of the preset a row shows, or -1. */
    int presetAt (int row) const noexcept;

    /** The row that shows a preset of the library, or -1 when it is hidden. */
    int rowOf (int presetIndex) const noexcept;

private:
    PresetListBoxModelListener* listener;
    BXVandoriumLibrary* library;
    int rowWidth;
    std::optional<std::vector<int>> shown;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PresetListBoxModel)
};

/** The rows of the library manager's libraries: "ALL", then " NAME" each. */
class LibraryListBoxModel final : public juce::ListBoxModel
{
public:
    LibraryListBoxModel (LibraryListBoxModelListener* listener, std::vector<BXVandoriumLibrary>* libraries, int rowWidth);

    int getNumRows() override;
    void paintListBoxItem (int row, juce::Graphics&, int width, int height, bool selected) override;
    void selectedRowsChanged (int lastRowSelected) override;
    juce::var getDragSourceDescription (const juce::SparseSet<int>& selectedRows) override;

    juce::String rowText (int row) const;

private:
    LibraryListBoxModelListener* listener;
    std::vector<BXVandoriumLibrary>* libraries;
    int rowWidth;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (LibraryListBoxModel)
};

/** Only single rows can be dragged: their index, or void for any other selection. */
juce::var singleRowDragDescription (const juce::SparseSet<int>& selectedRows);

/** Draws one LCD row in the list's style. */
void paintLcdRow (juce::Graphics&, const juce::String& text, int rowWidth, int height, bool selected);

/** The font a row's text is drawn with: the list's LCD font, its letters
    narrowed (down to minimumRowTextScale) when the text would not fit.
*/
juce::Font lcdRowFont (const juce::String& text, int rowWidth, juce::Font listFont);

/** Narrower than this the LCD letters stop being legible; longer texts end in "...". */
constexpr float minimumRowTextScale = 0.55f;

//==============================================================================
class BXListBox;

/** The main window's side of a drop between its two preset lists. */
class PresetListDropTarget
{
public:
    virtual ~PresetListDropTarget() = default;
    virtual void presetDropped (const BXListBox& source, int sourceRow, const BXListBox& target, int targetRow) = 0;
};

/** A preset list of the main window that takes rows dragged from the other one. */
class BXListBox final : public juce::ListBox,
                        public juce::DragAndDropTarget
{
public:
    BXListBox();

    bool isInterestedInDragSource (const SourceDetails&) override;
    void itemDropped (const SourceDetails&) override;

    /** The row under a point of the list, or -1. */
    int rowAtDropPoint (juce::Point<int> position) const;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (BXListBox)
};

class BXLibraryManagerListBox;

/** The library manager's side of a drop between its lists. */
class LibraryManagerDropTarget
{
public:
    virtual ~LibraryManagerDropTarget() = default;
    virtual void handleListDrop (BXLibraryManagerListBox& source, int sourceRow, BXLibraryManagerListBox& target, int targetRow) = 0;
};

/** A list of the library manager; drops go to the manager. */
class BXLibraryManagerListBox final : public juce::ListBox,
                                      public juce::DragAndDropTarget
{
public:
    BXLibraryManagerListBox();

    bool isInterestedInDragSource (const SourceDetails&) override;
    void itemDropped (const SourceDetails&) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (BXLibraryManagerListBox)
};
