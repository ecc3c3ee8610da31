#pragma once

#include "LibraryCatalogue.h"

#include <optional>

/** The library manager's drag and drop merges, as rules without a window:
    what a drop onto a row means (a refusal, or a question and then a
    merge), and the one-level undo of the last merge.
*/
namespace LibraryDrops
{
enum class Kind
{
    presetOntoLibrary, // a row of the presets list onto the libraries list
    libraryOntoLibrary, // a row of the libraries list onto the libraries list
    libraryOntoPresets // a row of the libraries list onto the presets list
};

/** What a drop means. Exactly one of refusal and question is set, or
    neither when the drop means nothing.
*/
struct Decision
{
    juce::String refusal; // for an "Error" box; nothing changes
    juce::String question; // for a "Confirmation"; on "YES", apply
    int targetRow = -1; // the library that changes
    int sourceRow = -1; // the library whose presets are added (whole, or one of them)
    int presetRow = -1; // the one preset of sourceRow added, or -1 for all of them
};

/** The rules in their order. selectedRow is the libraries list's selected
    row (the presets list shows that library), draggedRow the dragged row of
    the source list, targetRow the row under the drop point (-1 for none).
*/
Decision decide (Kind kind, int selectedRow, int draggedRow, int targetRow, const LibraryCatalogue& catalogue);

/** The single undo record: a copy of the library a merge changed, taken
    just before the change.
*/
class Undo final
{
public:
    bool hasRecord() const noexcept { return record.has_value(); }
    const std::optional<BXVandoriumLibrary>& getRecord() const noexcept { return record; }

    /** Restores the record into the library of the same name and saves it;
        the record goes. Without a record, or when no library has that name
        any more, nothing changes and the record stays.
    */
    LibraryCatalogue::Outcome undo (LibraryCatalogue& catalogue);

    void keep (const BXVandoriumLibrary& library) { record = library; }

private:
    std::optional<BXVandoriumLibrary> record;
};

/** Applies a decision answered "YES": keeps the target in the undo record,
    adds the preset or presets and saves the target.
*/
LibraryCatalogue::Outcome apply (const Decision& decision, LibraryCatalogue& catalogue, Undo& undo);
} // namespace LibraryDrops
