// vandorium-tool: the editor's library and bank code on the command line.

#include "model/BXVandoriumLibrary.h"
#include "model/BankDump.h"
#include "model/BankDumpFile.h"
#include "model/PresetFields.h"
#include "model/PresetNumbering.h"
#include "model/SafeFileReader.h"
#include "model/SafeFileWriter.h"
#include "model/XmlFile.h"

#include <juce_core/juce_core.h>

#include <iostream>

namespace
{
constexpr int exitOk = 0;
constexpr int exitSkipped = 1; // check: something was skipped; from-syx: dump too short
constexpr int exitUnreadable = 2;
constexpr int exitUsage = 64;

const char* const generalHelp =
    "usage: vandorium-tool COMMAND ARGUMENTS\n"
    "\n"
    "commands:\n"
    "  list FILE [--json]     print the presets of a library file or a bank dump file\n"
    "  to-syx LIBRARY OUT     write the library's first 32 presets as a bank dump .syx file\n"
    "  from-syx IN OUT        write the 32 presets of a bank dump as a library file\n"
    "  check FILE             validate a library file and report what it skips\n"
    "  check --repair FILE    rewrite a damaged library file with what it still holds\n"
    "\n"
    "'vandorium-tool COMMAND --help' describes one command.\n";

const std::map<std::string, const char*> commandHelp {
    { "list",
      "usage: vandorium-tool list FILE [--json]\n"
      "Prints the presets of a library file (.vandorium) or of a bank dump file\n"
      "(.syx framed with F0/F7, or a bare payload like devicePresets.syx), numbered\n"
      "as the editor numbers them. --json prints every field of every preset.\n"
      "Exit status: 0 listed, 2 the file cannot be read.\n" },
    { "to-syx",
      "usage: vandorium-tool to-syx LIBRARY OUT\n"
      "Writes the bank dump of the library's first 32 presets to OUT as a standard\n"
      "SysEx file (F0 ... F7). Missing slots n are filled with default presets\n"
      "named \"PRESET n\".\n"
      "Exit status: 0 written, 2 the library cannot be read or OUT cannot be written.\n" },
    { "from-syx",
      "usage: vandorium-tool from-syx IN OUT\n"
      "Reads a bank dump (framed with F0/F7 or bare) and writes its 32 presets as\n"
      "the library file OUT; the library is named after OUT's file name.\n"
      "Exit status: 0 written, 1 the dump is too short for 32 presets,\n"
      "2 IN cannot be read, is no bank dump, or OUT cannot be written.\n" },
    { "check",
      "usage: vandorium-tool check [--repair] FILE\n"
      "Validates a library file and reports, for every element, what was skipped\n"
      "and why, and how many names held bytes that are not UTF-8 (shown as \"?\").\n"
      "A file is refused when it is not a regular file, is larger than 32 MiB,\n"
      "nests elements more than 64 levels deep or is not well-formed XML.\n"
      "--repair writes FILE back as a clean library holding every preset that\n"
      "can still be read, even from a file that breaks off or turns malformed\n"
      "part-way; the original is kept as FILE.bak.\n"
      "Exit status: 0 everything loaded (or repaired), 1 something was skipped,\n"
      "2 the file cannot be read as a library (or nothing could be rescued, or\n"
      "the repaired file cannot be written).\n" },
};

int usageError (const juce::String& message, const std::string& command = {})
{
    std::cerr << "vandorium-tool: " << message << std::endl;
    std::cerr << (command.empty() ? "see 'vandorium-tool --help'" : "see 'vandorium-tool " + command + " --help'") << std::endl;
    return exitUsage;
}

int failure (const juce::String& message, int status)
{
    std::cerr << "vandorium-tool: " << message << std::endl;
    return status;
}

juce::File argumentFile (const juce::String& argument)
{
    return juce::File::getCurrentWorkingDirectory().getChildFile (argument);
}

/** Why an output file cannot be written there, or empty. */
juce::String outputProblem (const juce::File& output)
{
    if (! output.getParentDirectory().isDirectory())
        return "cannot write " + output.getFullPathName() + ": the folder " + output.getParentDirectory().getFullPathName() + " does not exist";

    if (output.isDirectory())
        return "cannot write " + output.getFullPathName() + ": it is a folder";

    return {};
}

/** Names may hold anything a file held: never print control characters raw. */
std::string printable (const juce::String& text)
{
    juce::String result;

    for (auto p = text.getCharPointer(); ! p.isEmpty();)
    {
        const auto c = p.getAndAdvance();
        result += (c < 0x20 || c == 0x7f || (c >= 0x80 && c < 0xa0)) ? (juce::juce_wchar) '?' : c;
    }

    return result.toStdString();
}

//==============================================================================
struct LoadedPresets
{
    juce::String name;
    std::vector<BXVandoriumPreset> presets;
};

std::optional<LoadedPresets> loadAny (const juce::File& file, juce::String& error)
{
    const auto read = readWholeFile (file, XmlFile::maxFileBytes);

    if (! read.ok())
    {
        error = file.getFullPathName() + " " + read.describe (XmlFile::maxFileBytes);
        return std::nullopt;
    }

    const juce::MemoryBlock data (read.bytes.data(), read.bytes.size());

    if (BankDumpFile::looksLikeBankFile (data.getData(), data.getSize()))
    {
        auto bank = BankDumpFile::decode (data.getData(), data.getSize(), file.getFileName());

        if (! bank.ok())
        {
            error = bank.problem;
            return std::nullopt;
        }

        return LoadedPresets { file.getFileNameWithoutExtension(), std::move (bank.presets) };
    }

    BXVandoriumLibrary::LoadReport report;
    auto presets = BXVandoriumLibrary::presetsFromFileBytes (data.getData(), data.getSize(), report);

    if (report.fileProblem != BXVandoriumLibrary::LoadReport::FileProblem::none)
    {
        error = file.getFileName() + " is neither a library file nor a bank dump: it " + report.fileProblemText;
        return std::nullopt;
    }

    return LoadedPresets { BXVandoriumLibrary::nameFromFileName (file.getFileName()), std::move (presets) };
}

int listCommand (const juce::StringArray& args)
{
    const bool json = args.contains ("--json");
    auto files = args;
    files.removeString ("--json");

    if (files.size() != 1)
        return usageError ("list takes one FILE", "list");

    juce::String error;
    const auto loaded = loadAny (argumentFile (files[0]), error);

    if (! loaded.has_value())
        return failure (error, exitUnreadable);

    const auto count = (int) loaded->presets.size();

    if (! json)
    {
        for (int i = 0; i < count; ++i)
            std::cout << presetNumberText (i, count) << " " << printable (loaded->presets[(size_t) i].name) << "\n";

        return exitOk;
    }

    juce::Array<juce::var> list;

    for (int i = 0; i < count; ++i)
    {
        const auto& preset = loaded->presets[(size_t) i];
        auto object = std::make_unique<juce::DynamicObject>();
        object->setProperty ("number", presetNumberText (i, count));
        object->setProperty ("name", preset.name);

        for (const auto& field : presetFields())
            object->setProperty (field.name, field.get (preset));

        list.add (juce::var (object.release()));
    }

    auto root = std::make_unique<juce::DynamicObject>();
    root->setProperty ("library", loaded->name);
    root->setProperty ("presets", list);
    std::cout << juce::JSON::toString (juce::var (root.release())) << "\n";
    return exitOk;
}

int toSyxCommand (const juce::StringArray& args)
{
    if (args.size() != 2)
        return usageError ("to-syx takes LIBRARY and OUT", "to-syx");

    const auto input = argumentFile (args[0]);
    const auto output = argumentFile (args[1]);

    if (output == input)
        return usageError ("OUT must not be the library file itself", "to-syx");

    BXVandoriumLibrary::LoadReport report;
    BXVandoriumLibrary library (input.getFullPathName(), false, report);

    if (report.fileProblem != BXVandoriumLibrary::LoadReport::FileProblem::none)
        return failure (input.getFullPathName() + " is not a readable library file: it " + report.fileProblemText, exitUnreadable);

    if (const auto problem = outputProblem (output); problem.isNotEmpty())
        return failure (problem, exitUnreadable);

    const auto message = BankDumpFile::encode (library.presets);

    if (! replaceFileContent (output, message.getData(), message.getSize()))
        return failure ("cannot write " + output.getFullPathName(), exitUnreadable);

    return exitOk;
}

int fromSyxCommand (const juce::StringArray& args)
{
    if (args.size() != 2)
        return usageError ("from-syx takes IN and OUT", "from-syx");

    const auto input = argumentFile (args[0]);
    const auto output = argumentFile (args[1]);

    if (output == input)
        return usageError ("OUT must not be the bank dump file itself", "from-syx");

    if (const auto problem = outputProblem (output); problem.isNotEmpty())
        return failure (problem, exitUnreadable);

    auto bank = BankDumpFile::read (input);

    if (! bank.ok())
        return failure (bank.problem + (bank.tooShort ? " Nothing was written." : ""), bank.tooShort ? exitSkipped : exitUnreadable);

    BXVandoriumLibrary library (output.getFullPathName(), false);
    library.presets = std::move (bank.presets);

    if (! library.save())
        return failure ("cannot write " + output.getFullPathName(), exitUnreadable);

    return exitOk;
}

void printReport (const BXVandoriumLibrary::LoadReport& report)
{
    for (const auto& skipped : report.skipped)
        std::cout << "element " << skipped.elementIndex + 1 << " <" << printable (skipped.tagName) << ">: skipped, " << skipped.reason << "\n";

    if (report.namesRepaired > 0)
        std::cout << report.namesRepaired << (report.namesRepaired == 1 ? " name" : " names")
                  << " held bytes that are not UTF-8 or characters a preset cannot hold; shown as \"?\"\n";
}

int repairCommand (const juce::File& file)
{
    BXVandoriumLibrary::LoadReport report;
    auto library = BXVandoriumLibrary::rescue (file.getFullPathName(), report);

    using Problem = BXVandoriumLibrary::LoadReport::FileProblem;

    if (report.fileProblem != Problem::none && report.fileProblem != Problem::notWellFormed)
        return failure (file.getFullPathName() + " " + report.fileProblemText + "; nothing was changed", exitUnreadable);

    if (report.fileProblem == Problem::notWellFormed && report.loaded == 0)
        return failure (file.getFileName() + " " + report.fileProblemText + " and holds no preset before the damage; nothing was changed", exitUnreadable);

    printReport (report);

    if (report.fileProblem == Problem::notWellFormed)
        std::cout << file.getFileName() << " " << report.fileProblemText << "; the presets before the damage are kept\n";

    if (report.fileProblem == Problem::none && report.skipped.empty() && report.namesRepaired == 0)
    {
        std::cout << library.getName() << ": nothing to repair\n";
        return exitOk;
    }

    // Never over an earlier copy: it may be the only one of a damaged original.
    auto backup = file.getSiblingFile (file.getFileName() + ".bak");

    if (backup.exists())
        backup = backup.getNonexistentSibling (false);

    if (! copyFileSafely (file, backup, XmlFile::maxFileBytes))
        return failure ("cannot keep the original as " + backup.getFullPathName() + "; nothing was changed", exitUnreadable);

    if (! library.save())
        return failure ("cannot write " + file.getFullPathName() + "; the original is unchanged", exitUnreadable);

    std::cout << library.getName() << ": repaired with " << report.loaded << " presets; the original is kept as "
              << backup.getFileName() << "\n";
    return exitOk;
}

int checkCommand (const juce::StringArray& args)
{
    auto files = args;
    const auto repair = files.contains ("--repair");
    files.removeString ("--repair");

    if (files.size() != 1)
        return usageError ("check takes one FILE", "check");

    const auto file = argumentFile (files[0]);

    if (repair)
        return repairCommand (file);

    BXVandoriumLibrary::LoadReport report;
    BXVandoriumLibrary library (file.getFullPathName(), false, report);

    if (report.fileProblem != BXVandoriumLibrary::LoadReport::FileProblem::none)
        return failure (file.getFullPathName() + " " + report.fileProblemText, exitUnreadable);

    printReport (report);
    std::cout << printable (library.getName()) << ": " << report.loaded << " presets loaded, "
              << report.skipped.size() << " elements skipped\n";

    return report.skipped.empty() && report.namesRepaired == 0 ? exitOk : exitSkipped;
}
} // namespace

//==============================================================================
int main (int argc, char* argv[])
{
    juce::StringArray args;

    for (int i = 1; i < argc; ++i)
        args.add (juce::String::fromUTF8 (argv[i]));

    if (args.isEmpty())
    {
        std::cerr << generalHelp;
        return exitUsage;
    }

    const auto command = args[0].toStdString();
    args.remove (0);

    if (command == "--help" || command == "-h" || command == "help")
    {
        std::cout << generalHelp;
        return exitOk;
    }

    const auto help = commandHelp.find (command);

    if (help == commandHelp.end())
        return usageError ("unknown command '" + juce::String (command) + "'");

    if (args.contains ("--help") || args.contains ("-h"))
    {
        std::cout << help->second;
        return exitOk;
    }

    if (command == "list")
        return listCommand (args);

    if (command == "to-syx")
        return toSyxCommand (args);

    if (command == "from-syx")
        return fromSyxCommand (args);

    return checkCommand (args);
}
