#include "LibraryCatalogue.h"

#include "model/BankDumpFile.h"
#include "model/SafeFileWriter.h"
#include "model/XmlFile.h"

namespace
{
juce::String alreadyExists (const juce::String& name)
{
    return "A library called '" + name + "' already exists";
}
} // namespace

LibraryCatalogue::LibraryCatalogue (juce::String folder, juce::File resources)
    : libraryFolder (std::move (folder))
    , resourceFolder (std::move (resources))
{
    reload();
}

void LibraryCatalogue::reload()
{
    libraries.clear();
    libraries.emplace_back(); // "ALL", rebuilt below

    for (auto* factory : { "EDITOR FACTORY", "VANDORIUM FACTORY" })
        libraries.emplace_back (resourceFolder.getChildFile (juce::String (factory) + BXVandoriumLibrary::fileExtension).getFullPathName(), true);

    // Name order: the file system's own order means nothing to a user.
    auto files = fileForPath (libraryFolder).findChildFiles (juce::File::findFiles | juce::File::ignoreHiddenFiles, false, juce::String ("*") + BXVandoriumLibrary::fileExtension);
    std::sort (files.begin(), files.end(), [] (const juce::File& a, const juce::File& b)
               { return a.getFileName().compareNatural (b.getFileName()) < 0; });

    for (const auto& file : files)
        libraries.emplace_back (file.getFullPathName(), false);

    rebuildAll();
}

void LibraryCatalogue::rebuildAll()
{
    BXVandoriumLibrary all;

    for (size_t i = 1; i < libraries.size(); ++i)
        if (! libraries[i].isVirtual)
            all.appendPresetsOf (libraries[i]);

    libraries[0] = std::move (all);
}

int LibraryCatalogue::rowOf (const juce::String& name) const
{
    for (size_t i = 1; i < libraries.size(); ++i)
        if (libraries[i].getName() == name)
            return (int) i;

    return -1;
}

bool LibraryCatalogue::isUserLibrary (int row) const
{
    return row >= 1 && row < (int) libraries.size() && ! libraries[(size_t) row].isVirtual && ! libraries[(size_t) row].isFactory;
}

//==============================================================================
juce::String LibraryCatalogue::proposeNewName() const
{
    for (int n = 1;; ++n)
    {
        auto candidate = juce::String::formatted ("NEW LIBRARY %d", n);

        if (BXVandoriumLibrary::isNameAvailable (candidate, libraryFolder))
            return candidate;
    }
}

LibraryCatalogue::Outcome LibraryCatalogue::createLibrary (juce::String name)
{
    const auto typed = name;

    if (! BXVandoriumLibrary::isNameAvailable (name, libraryFolder))
        return { false, alreadyExists (typed), -1 };

    BXVandoriumLibrary library (libraryFolder + name + BXVandoriumLibrary::fileExtension, false);
    library.presets.clear();

    if (! library.save())
        return { false, "The library file could not be written:\n" + library.getFilePath(), -1 };

    reload();
    return { true, {}, rowOf (name) };
}

LibraryCatalogue::Outcome LibraryCatalogue::renameLibrary (int row, juce::String name)
{
    if (! isUserLibrary (row))
        return {};

    if (name.toLowerCase() == "all")
        return { false, "You can't use 'ALL' as library name", row };

    const auto typed = name;

    if (! BXVandoriumLibrary::isNameAvailable (name, libraryFolder))
        return { false, alreadyExists (typed), row };

    auto& library = libraries[(size_t) row];

    if (! library.setName (name, libraryFolder))
        return { false, "The library could not be renamed; its file could not be written:\n" + libraryFolder + name + BXVandoriumLibrary::fileExtension, row };

    return { true, {}, row };
}

LibraryCatalogue::Outcome LibraryCatalogue::deleteLibrary (int row)
{
    if (! isUserLibrary (row))
        return {};

    const auto file = fileForPath (libraries[(size_t) row].getFilePath());

    if (file.exists() && ! file.deleteFile())
        return { false, "The library file could not be deleted:\n" + file.getFullPathName(), row };

    libraries.erase (libraries.begin() + row);

    const auto anyUserLibrary = std::any_of (libraries.begin(), libraries.end(), [] (const BXVandoriumLibrary& l)
                                             { return ! l.isVirtual && ! l.isFactory; });
    Outcome outcome { true, {}, -1 };

    if (! anyUserLibrary)
    {
        BXVandoriumLibrary replacement (libraryFolder + defaultLibraryName + BXVandoriumLibrary::fileExtension, false);
        replacement.presets.clear();

        if (! replacement.save())
            outcome.error = "The empty library DEFAULT could not be written:\n" + replacement.getFilePath();
    }

    reload();
    return outcome;
}

bool LibraryCatalogue::isBankFile (const juce::File& file)
{
    return file.getFileExtension().equalsIgnoreCase (BankDumpFile::extension);
}

juce::File LibraryCatalogue::importTargetFor (const juce::File& chosen) const
{
    const auto folder = fileForPath (libraryFolder);
    // A bank file becomes a library file of the same name.
    const auto extension = isBankFile (chosen) ? juce::String (BXVandoriumLibrary::fileExtension) : chosen.getFileExtension();
    auto target = folder.getChildFile (chosen.getFileNameWithoutExtension() + extension);

    for (int k = 2; target.exists() && target != chosen; ++k)
        target = folder.getChildFile (chosen.getFileNameWithoutExtension() + juce::String::formatted (" %d", k) + extension);

    return target;
}

LibraryCatalogue::Outcome LibraryCatalogue::importBankFile (const juce::File& chosen)
{
    auto bank = BankDumpFile::read (chosen);

    if (! bank.ok())
        return { false, bank.problem + "\nNo library was created.", -1 };

    const auto target = importTargetFor (chosen);
    BXVandoriumLibrary library (target.getFullPathName(), false);
    library.presets = std::move (bank.presets);

    if (! library.save())
        return { false, "The library file could not be written:\n" + target.getFullPathName(), -1 };

    reload();
    return { true, {}, rowOf (library.getName()) };
}

LibraryCatalogue::Outcome LibraryCatalogue::importLibrary (const juce::File& chosen)
{
    if (isBankFile (chosen))
        return importBankFile (chosen);

    const auto target = importTargetFor (chosen);

    if (target == chosen)
        return {};

    // Only a library the editor can read is taken in.
    BXVandoriumLibrary::LoadReport report;
    const BXVandoriumLibrary candidate (chosen.getFullPathName(), false, report);
    juce::ignoreUnused (candidate);

    if (report.fileProblem != BXVandoriumLibrary::LoadReport::FileProblem::none)
        return { false, chosen.getFileName() + " was not loaded: the file " + report.fileProblemText + ".", -1 };

    if (report.loaded == 0)
        return { false, chosen.getFileName() + " was not loaded: it holds no preset the editor can read" + (report.skipped.empty() ? juce::String (".") : " (" + report.skipped.front().reason + ")."), -1 };

    if (! copyFileSafely (chosen, target, XmlFile::maxFileBytes))
        return { false, chosen.getFileName() + " could not be copied to:\n" + target.getFullPathName(), -1 };

    reload();
    Outcome outcome { true, {}, rowOf (target.getFileNameWithoutExtension()) };

    if (! report.skipped.empty())
        outcome.error = chosen.getFileName() + " was loaded with " + juce::String (report.loaded) + " presets; "
                        + juce::String ((int) report.skipped.size()) + " elements were skipped (the first: "
                        + report.skipped.front().reason + ").";

    return outcome;
}

juce::File LibraryCatalogue::exportTargetFor (const juce::File& chosen)
{
    if (chosen.getFileExtension() == BXVandoriumLibrary::fileExtension || isBankFile (chosen))
        return chosen;

    return juce::File (chosen.getFullPathName() + BXVandoriumLibrary::fileExtension);
}

LibraryCatalogue::Outcome LibraryCatalogue::exportLibrary (int row, const juce::File& chosen) const
{
    if (! isUserLibrary (row))
        return {};

    const auto source = fileForPath (libraries[(size_t) row].getFilePath());
    const auto target = exportTargetFor (chosen);

    if (target == source)
        return { true, {}, row };

    if (isBankFile (target))
    {
        const auto bytes = BankDumpFile::encode (libraries[(size_t) row].presets);

        const auto readsBack = [] (const juce::File& written)
        { return BankDumpFile::read (written).ok(); };

        if (! replaceFileContent (target, bytes.getData(), bytes.getSize(), readsBack))
            return { false, "The bank file could not be written:\n" + target.getFullPathName(), row };

        return { true, {}, row };
    }

    if (! copyFileSafely (source, target, XmlFile::maxFileBytes))
        return { false, "The library could not be saved to:\n" + target.getFullPathName(), row };

    return { true, {}, row };
}

juce::String LibraryCatalogue::bankFileQuestion (const BXVandoriumLibrary& library)
{
    const auto count = (int) library.presets.size();

    if (count <= BankDump::numSlots)
        return {};

    return "A bank file holds 32 presets: only the first 32 of the " + juce::String (count) + " presets in the library\n'" + library.getName()
           + "'\nwill be saved in it. Save the bank file ?";
}

juce::String LibraryCatalogue::sendAllQuestion (const BXVandoriumLibrary& library)
{
    const auto count = (int) library.presets.size();

    if (count > 32)
        return "Are you sure to send the first 32 presets in the library \n'" + library.getName() + "'\nto the Vandorium";

    return "Are you sure to send the entire library \n'" + library.getName() + "'\nto the Vandorium\n(" + juce::String (count) + " presets)";
}
