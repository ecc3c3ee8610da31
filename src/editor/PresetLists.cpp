#include "PresetLists.h"

#include "appearance/ResourceLoader.h"
#include "appearance/VandoriumLookAndFeel.h"
#include "model/PresetNumbering.h"

namespace
{
constexpr int rowTextX = 12;
constexpr int rowTextRightMargin = 8;
} // namespace

juce::Font lcdRowFont (const juce::String& text, int rowWidth, juce::Font font)
{
    const auto available = (float) (rowWidth - rowTextRightMargin);
    const auto needed = font.getStringWidthFloat (text);

    // A long row is drawn with narrower letters rather than cut: a preset
    // name is only 13 characters, and every one of them counts.
    if (needed > available && needed > 0.0f)
        font = font.withHorizontalScale (std::max (minimumRowTextScale, available / needed * 0.995f));

    return font;
}

void paintLcdRow (juce::Graphics& g, const juce::String& text, int rowWidth, int height, bool selected)
{
    g.setFont (lcdRowFont (text, rowWidth, getResourceFont ("LCDFont", 17.0f)));
    g.setColour (juce::Colour (VandoriumLookAndFeel::darkColour));

    if (selected)
    {
        g.fillRect (8, 0, rowWidth, height);
        g.setColour (juce::Colour (VandoriumLookAndFeel::lightColour));
    }

    g.drawText (text, rowTextX, 0, rowWidth - rowTextRightMargin, height, juce::Justification::centredLeft, true);
}

juce::var singleRowDragDescription (const juce::SparseSet<int>& selectedRows)
{
    if (selectedRows.size() == 1)
        return selectedRows[0];

    return {};
}

//==============================================================================
PresetListBoxModel::PresetListBoxModel (PresetListBoxModelListener* l, BXVandoriumLibrary* lib, int width)
    : listener (l)
    , library (lib)
    , rowWidth (width)
{
}

int PresetListBoxModel::getNumRows()
{
    if (library == nullptr)
        return 0;

    return shown.has_value() ? (int) shown->size() : (int) library->presets.size();
}

void PresetListBoxModel::showOnly (std::optional<std::vector<int>> presetIndices)
{
    shown = std::move (presetIndices);
}

int PresetListBoxModel::presetAt (int row) const noexcept
{
    if (library == nullptr || row < 0)
        return -1;

    const auto index = shown.has_value() ? (row < (int) shown->size() ? (*shown)[(size_t) row] : -1) : row;
    return index >= 0 && index < (int) library->presets.size() ? index : -1;
}

int PresetListBoxModel::rowOf (int presetIndex) const noexcept
{
    if (library == nullptr || presetIndex < 0 || presetIndex >= (int) library->presets.size())
        return -1;

    if (! shown.has_value())
        return presetIndex;

    const auto found = std::lower_bound (shown->begin(), shown->end(), presetIndex);
    return found != shown->end() && *found == presetIndex ? (int) (found - shown->begin()) : -1;
}

juce::String PresetListBoxModel::rowText (int row) const
{
    const auto index = presetAt (row);

    if (index < 0)
        return {};

    const auto count = (int) library->presets.size();
    return presetNumberText (index, count) + " " + library->presets[(size_t) index].name;
}

void PresetListBoxModel::paintListBoxItem (int row, juce::Graphics& g, int, int height, bool selected)
{
    // The list and its library can be briefly out of step.
    if (presetAt (row) < 0)
        return;

    paintLcdRow (g, rowText (row), rowWidth, height, selected);
}

void PresetListBoxModel::selectedRowsChanged (int lastRowSelected)
{
    if (const auto index = presetAt (lastRowSelected); index >= 0 && listener != nullptr)
        listener->presetSelected (library, index);
}

juce::var PresetListBoxModel::getDragSourceDescription (const juce::SparseSet<int>& selectedRows)
{
    const auto row = singleRowDragDescription (selectedRows);

    if (! row.isInt())
        return row;

    const auto index = presetAt ((int) row);
    return index >= 0 ? juce::var (index) : juce::var();
}

//==============================================================================
LibraryListBoxModel::LibraryListBoxModel (LibraryListBoxModelListener* l, std::vector<BXVandoriumLibrary>* libs, int width)
    : listener (l)
    , libraries (libs)
    , rowWidth (width)
{
}

int LibraryListBoxModel::getNumRows()
{
    return libraries != nullptr ? (int) libraries->size() : 0;
}

juce::String LibraryListBoxModel::rowText (int row) const
{
    const auto name = (*libraries)[(size_t) row].getName().toUpperCase();
    return row == 0 ? name : " " + name;
}

void LibraryListBoxModel::paintListBoxItem (int row, juce::Graphics& g, int, int height, bool selected)
{
    if (libraries == nullptr || row < 0 || row >= (int) libraries->size())
        return;

    paintLcdRow (g, rowText (row), rowWidth, height, selected);
}

void LibraryListBoxModel::selectedRowsChanged (int lastRowSelected)
{
    if (lastRowSelected >= 0 && listener != nullptr && libraries != nullptr && lastRowSelected < (int) libraries->size())
        listener->librarySelected (&(*libraries)[(size_t) lastRowSelected]);
}

juce::var LibraryListBoxModel::getDragSourceDescription (const juce::SparseSet<int>& selectedRows)
{
    return singleRowDragDescription (selectedRows);
}

//==============================================================================
BXListBox::BXListBox()
    : juce::ListBox ({}, nullptr)
{
}

bool BXListBox::isInterestedInDragSource (const SourceDetails& details)
{
    return dynamic_cast<BXListBox*> (details.sourceComponent.get()) != nullptr;
}

int BXListBox::rowAtDropPoint (juce::Point<int> position) const
{
    return getRowContainingPosition (position.x, position.y);
}

void BXListBox::itemDropped (const SourceDetails& details)
{
    auto* source = dynamic_cast<BXListBox*> (details.sourceComponent.get());

    if (source == nullptr || source == this || ! details.description.isInt())
        return;

    if (auto* target = findParentComponentOfClass<PresetListDropTarget>())
        target->presetDropped (*source, (int) details.description, *this, rowAtDropPoint (details.localPosition));
}

//==============================================================================
BXLibraryManagerListBox::BXLibraryManagerListBox()
    : juce::ListBox ({}, nullptr)
{
}

bool BXLibraryManagerListBox::isInterestedInDragSource (const SourceDetails& details)
{
    return dynamic_cast<BXLibraryManagerListBox*> (details.sourceComponent.get()) != nullptr;
}

void BXLibraryManagerListBox::itemDropped (const SourceDetails& details)
{
    auto* source = dynamic_cast<BXLibraryManagerListBox*> (details.sourceComponent.get());

    if (source == nullptr || ! details.description.isInt())
        return;

    if (auto* manager = findParentComponentOfClass<LibraryManagerDropTarget>())
        manager->handleListDrop (*source, (int) details.description, *this, getRowContainingPosition (details.localPosition.x, details.localPosition.y));
}
