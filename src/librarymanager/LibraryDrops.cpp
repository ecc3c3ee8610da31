#include "LibraryDrops.h"

namespace LibraryDrops
{
namespace
{
Decision refuse (const juce::String& text)
{
    Decision decision;
    decision.refusal = text;
    return decision;
}

bool isRow (int row, const LibraryCatalogue& catalogue)
{
    return row >= 0 && row < (int) catalogue.size();
}

juce::String libraryQuestion (const juce::String& sourceName, const juce::String& targetName)
{
    return "Are you sure to add the content of library\n'" + sourceName + "'\nto the library\n'" + targetName + "' ?";
}

Decision presetOntoLibrary (int selectedRow, int draggedRow, int targetRow, const LibraryCatalogue& catalogue)
{
    if (! isRow (targetRow, catalogue))
        return refuse ("You must drop a preset on a library");

    const auto& target = catalogue.getLibraries()[(size_t) targetRow];

    if (targetRow <= 0 || target.isVirtual || target.isFactory)
        return refuse (target.isVirtual ? "You can't add a preset to 'ALL'" : "You can't add a preset to a factory library");

    if (targetRow == selectedRow)
        return refuse ("You can't add a preset from a library to the same library");

    // The presets list shows the selected library: the dragged row is one of its presets.
    if (! isRow (selectedRow, catalogue) || draggedRow < 0
        || draggedRow >= (int) catalogue.getLibraries()[(size_t) selectedRow].presets.size())
        return {};

    const auto& preset = catalogue.getLibraries()[(size_t) selectedRow].presets[(size_t) draggedRow];
    return { {}, "Are you sure to add the preset\n'" + preset.name + "'\nto the library\n'" + target.getName() + "' ?", targetRow, selectedRow, draggedRow };
}

Decision libraryOntoLibrary (int draggedRow, int targetRow, const LibraryCatalogue& catalogue)
{
    if (draggedRow == targetRow)
        return refuse ("You can't add a library to itself");

    if (! isRow (targetRow, catalogue))
        return refuse ("You must drop a library on another library");

    const auto& target = catalogue.getLibraries()[(size_t) targetRow];

    if (targetRow <= 0 || target.isVirtual)
        return refuse ("You can't add a library to 'ALL'");

    if (target.isFactory)
        return refuse ("You can't add a library to a factory library");

    if (! isRow (draggedRow, catalogue))
        return {};

    return { {}, libraryQuestion (catalogue.getLibraries()[(size_t) draggedRow].getName(), target.getName()), targetRow, draggedRow, -1 };
}

Decision libraryOntoPresets (int selectedRow, int draggedRow, const LibraryCatalogue& catalogue)
{
    // With no library selected there is no target: nothing happens.
    if (! isRow (selectedRow, catalogue))
        return {};

    const auto& target = catalogue.getLibraries()[(size_t) selectedRow];

    if (selectedRow >= 1 && ! target.isVirtual && ! target.isFactory && draggedRow >= 1 && draggedRow != selectedRow && isRow (draggedRow, catalogue))
        return { {}, libraryQuestion (catalogue.getLibraries()[(size_t) draggedRow].getName(), target.getName()), selectedRow, draggedRow, -1 };

    if (target.isVirtual)
        return refuse ("You can't add a library to 'ALL'");

    if (target.isFactory)
        return refuse ("You can't add a library to a factory library");

    return refuse ("You can't add a library to itself");
}
} // namespace

Decision decide (Kind kind, int selectedRow, int draggedRow, int targetRow, const LibraryCatalogue& catalogue)
{
    switch (kind)
    {
        case Kind::presetOntoLibrary:
            return presetOntoLibrary (selectedRow, draggedRow, targetRow, catalogue);
        case Kind::libraryOntoLibrary:
            return libraryOntoLibrary (draggedRow, targetRow, catalogue);
        case Kind::libraryOntoPresets:
            return libraryOntoPresets (selectedRow, draggedRow, catalogue);
    }

    return {};
}

LibraryCatalogue::Outcome apply (const Decision& decision, LibraryCatalogue& catalogue, Undo& undo)
{
    if (decision.question.isEmpty() || ! isRow (decision.targetRow, catalogue) || ! isRow (decision.sourceRow, catalogue))
        return {};

    auto& target = catalogue.getLibrary ((size_t) decision.targetRow);
    const auto before = target;

    // A copy of the source first: the presets are appended to another entry
    // of the same list.
    const auto source = catalogue.getLibrary ((size_t) decision.sourceRow);

    if (decision.presetRow >= 0)
    {
        if (decision.presetRow >= (int) source.presets.size())
            return {};

        target.presets.push_back (source.presets[(size_t) decision.presetRow]);
    }
    else
    {
        target.presets.insert (target.presets.end(), source.presets.begin(), source.presets.end());
    }

    if (! target.save())
    {
        // What the list shows stays what the file holds.
        target = before;
        return { false, "The library file could not be written:\n" + target.getFilePath(), decision.targetRow };
    }

    undo.keep (before);

    // "ALL" shows, and gives in a later drop, what the libraries now hold.
    catalogue.rebuildAll();
    return { true, {}, decision.targetRow };
}

LibraryCatalogue::Outcome Undo::undo (LibraryCatalogue& catalogue)
{
    if (! record.has_value())
        return { false, "Nothing to undo", -1 };

    // The library's file, not its name: a library deleted and made again
    // under the same name is another library.
    int row = -1;

    for (size_t i = 1; i < catalogue.size() && row < 0; ++i)
        if (catalogue.getLibraries()[i].getFilePath() == record->getFilePath() && catalogue.getLibraries()[i].getName() == record->getName())
            row = (int) i;

    if (row < 0)
        return { false, "The library '" + record->getName() + "' is no longer there: nothing was undone", -1 };

    auto& library = catalogue.getLibrary ((size_t) row);
    const auto current = library;
    library = *record;

    if (! library.save())
    {
        library = current;
        return { false, "The library file could not be written:\n" + library.getFilePath(), row };
    }

    catalogue.rebuildAll();
    record.reset();
    return { true, {}, row };
}
} // namespace LibraryDrops
