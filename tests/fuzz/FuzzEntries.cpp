#include "FuzzEntries.h"

#include "device/DeviceLink.h"
#include "device/DeviceMessages.h"
#include "device/VirtualMidiBackend.h"
#include "model/BXVandoriumLibrary.h"
#include "model/BankDump.h"
#include "model/BankDumpFile.h"
#include "model/Base64.h"
#include "model/EditorSettings.h"
#include "model/PresetFields.h"

namespace FuzzEntries
{
namespace
{
std::string describePreset (const BXVandoriumPreset& preset)
{
    std::string text = "name \"" + preset.name.toStdString() + "\"";

    for (const auto& field : presetFields())
        text.append (" ").append (field.name).append ("=").append (std::to_string (field.get (preset)));

    return text;
}

std::string firstDifference (const std::vector<BXVandoriumPreset>& before, const std::vector<BXVandoriumPreset>& after)
{
    if (before.size() != after.size())
        return std::to_string (before.size()) + " presets became " + std::to_string (after.size());

    for (size_t i = 0; i < before.size(); ++i)
        if (! (before[i] == after[i]))
            return "preset " + std::to_string (i) + " changed: " + describePreset (before[i]) + " became " + describePreset (after[i]);

    return {};
}

//==============================================================================
std::string library (const std::uint8_t* data, size_t size)
{
    BXVandoriumLibrary::LoadReport report;
    const auto presets = BXVandoriumLibrary::presetsFromFileBytes (data, size, report);

    if (report.fileProblem != BXVandoriumLibrary::LoadReport::FileProblem::none)
        return presets.empty() ? std::string() : "a refused file gave presets";

    BXVandoriumLibrary written;
    written.presets = presets;
    const auto bytes = written.toFileBytes();

    BXVandoriumLibrary::LoadReport again;
    const auto reloaded = BXVandoriumLibrary::presetsFromFileBytes (bytes.data(), bytes.size(), again);

    if (again.fileProblem != BXVandoriumLibrary::LoadReport::FileProblem::none)
        return "the saved file does not load: " + again.fileProblemText.toStdString();

    if (! again.skipped.empty() || again.namesRepaired != 0)
        return "the saved file needed repairs when reloaded";

    if (reloaded.size() != presets.size())
        return std::to_string (presets.size()) + " presets reloaded as " + std::to_string (reloaded.size());

    for (size_t i = 0; i < presets.size(); ++i)
        if (presets[i].name != reloaded[i].name)
            return "save and reload changed the name of preset " + std::to_string (i);

    // A block cannot tell every value apart (filter cutoffs 0 to 4 are all
    // stored as 15, and read back as 5), so values may settle once; from
    // then on a save and a reload keep every preset exactly.
    BXVandoriumLibrary settled;
    settled.presets = reloaded;
    const auto settledBytes = settled.toFileBytes();

    if (settledBytes != bytes)
    {
        BXVandoriumLibrary::LoadReport third;
        const auto settledAgain = BXVandoriumLibrary::presetsFromFileBytes (settledBytes.data(), settledBytes.size(), third);

        if (const auto difference = firstDifference (reloaded, settledAgain); ! difference.empty())
            return "a second save and reload changed the library: " + difference;
    }

    return {};
}

std::string settings (const std::uint8_t* data, size_t size)
{
    EditorSettings first;
    first.libraryFolder = "/fuzz/default/"; // loading sets it before the file is read
    first.applyFileBytes (data, size, "/fuzz/default/");

    const auto text = first.toFileText();
    EditorSettings second;
    second.showQuickStartGuide = ! first.showQuickStartGuide;
    second.showTooltips = ! first.showTooltips;
    second.applyFileBytes (text.toRawUTF8(), text.getNumBytesAsUTF8(), "/fuzz/other/");

    if (! second.hasSameStoredValues (first))
        return "saved settings read back differently: " + text.toStdString();

    return {};
}

std::string base64 (const std::uint8_t* data, size_t size)
{
    const auto* text = reinterpret_cast<const char*> (data);
    const auto decoded = base64Decode (text, size);

    std::uint8_t prefix[16] {};
    const auto prefixLength = base64DecodePrefix (text, size, prefix, sizeof (prefix));

    if (decoded.has_value() != prefixLength.has_value())
        return "the two decoders disagree on validity";

    if (! decoded.has_value())
        return {};

    if (decoded->size() != *prefixLength || ! std::equal (prefix, prefix + std::min (sizeof (prefix), decoded->size()), decoded->begin()))
        return "the two decoders disagree on the bytes";

    const auto encoded = base64Encode (decoded->data(), decoded->size());
    const auto again = base64Decode (encoded);

    if (! again.has_value() || *again != *decoded)
        return "encoding the decoded bytes does not decode to them";

    return {};
}

std::string dataBlock (const std::uint8_t* data, size_t size)
{
    if (size < (size_t) PresetDataBlock::packedSize)
        return {};

    const auto words = PresetDataBlock::unpack (data);
    std::uint8_t packed[PresetDataBlock::packedSize];
    PresetDataBlock::pack (words, packed);

    if (PresetDataBlock::unpack (packed) != words)
        return "unpack (pack (words)) lost bits";

    const auto preset = BXVandoriumPreset::fromDataBlock (words);
    const auto settled = BXVandoriumPreset::fromDataBlock (preset.toWords (0));
    const auto again = BXVandoriumPreset::fromDataBlock (settled.toWords (0));

    if (! (again == settled))
        return "a record does not survive its own block: " + describePreset (settled) + " became " + describePreset (again);

    return {};
}

/** The ".syx" reader on the same bytes: a file it takes holds 32 presets, and
    the file written from them reads back to presets that write the same
    bytes again. (Not the same presets: the instrument's cutoff table gives
    several values one word, so the first write may settle a value.)
*/
std::string bankFile (const std::uint8_t* data, size_t size)
{
    const auto read = BankDumpFile::decode (data, size, "fuzz.syx");

    if (! read.ok())
        return read.problem.isEmpty() ? "a refusal without a reason" : std::string();

    if (read.presets.size() != (size_t) BankDump::numSlots)
        return "a bank file of " + std::to_string (read.presets.size()) + " presets";

    const auto written = BankDumpFile::encode (read.presets);
    const auto again = BankDumpFile::decode (written.getData(), written.getSize(), "again.syx");

    if (! again.ok())
        return "a written bank file is refused: " + again.problem.toStdString();

    if (! (BankDumpFile::encode (again.presets) == written))
        return "a written bank file does not write back the same bytes";

    return {};
}

std::string bankDump (const std::uint8_t* data, size_t size)
{
    if (auto problem = bankFile (data, size); ! problem.empty())
        return problem;

    const auto bank = decodeBankDump (data, size);

    if (! bank.has_value())
        return {};

    if (bank->presets.size() != (size_t) BankDump::numSlots)
        return "a bank of " + std::to_string (bank->presets.size()) + " presets";

    const auto payload = encodeBankDump (bank->presets);

    if (payload.getSize() != (size_t) BankDump::payloadSize)
        return "an encoded bank of " + std::to_string (payload.getSize()) + " bytes";

    const auto again = decodeBankDump (payload);

    if (! again.has_value())
        return "an encoded bank does not decode";

    for (size_t i = 0; i < again->presets.size(); ++i)
        if (again->presets[i].name != bank->presets[i].name)
            return "slot " + std::to_string (i) + ": name \"" + bank->presets[i].name.toStdString() + "\" became \""
                   + again->presets[i].name.toStdString() + "\"";

    return {};
}

//==============================================================================

/** A device link with its cache in a temporary folder, made once. */
struct MidiRig
{
    MidiRig()
    {
        settings.settingsFolder = folder.getFullPathName() + "/";
        link.loadStartUpBank();
    }

    juce::File folder = juce::File::createTempFile ("vandorium-fuzz-midi");
    bool created = folder.createDirectory().wasOk();
    VirtualMidiBackend backend;
    DevicePorts ports { backend };
    EditorSettings settings;
    DeviceLink link { ports, settings };
};

std::string midi (const std::uint8_t* data, size_t size)
{
    static MidiRig rig;

    if (size == 0)
        return {};

    // The first byte picks the sync state; the rest is the input stream,
    // cut into messages as the framework's MIDI input does.
    rig.link.forceSyncStateForTesting ((DeviceLink::SyncState) (data[0] % 5));
    const auto* p = data + 1;
    auto remaining = (int) std::min<size_t> (size - 1, 1 << 20);
    juce::uint8 lastStatus = 0;

    while (remaining > 0)
    {
        int used = 0;
        const juce::MidiMessage message (p, remaining, used, lastStatus, 0.0, false);

        if (used <= 0 || used > remaining)
            return used > remaining ? "the message parser took more bytes than there are" : std::string();

        lastStatus = message.getRawData()[0];
        rig.link.handleIncomingMidiMessage (nullptr, message);

        const auto state = (int) rig.link.getSyncState();

        if (state < (int) DeviceLink::SyncState::startingUp || state > (int) DeviceLink::SyncState::bankRequested)
            return "sync state " + std::to_string (state);

        if (rig.link.deviceLibrary.presets.size() != (size_t) BankDump::numSlots)
            return "the bank copy holds " + std::to_string (rig.link.deviceLibrary.presets.size()) + " presets";

        p += used;
        remaining -= used;
    }

    return {};
}
} // namespace

//==============================================================================
const std::vector<Target>& targets()
{
    static const std::vector<Target> all { { "library", library }, { "settings", settings }, { "base64", base64 }, { "datablock", dataBlock }, { "bankdump", bankDump }, { "midi", midi } };
    return all;
}

Entry find (const std::string& name)
{
    for (const auto& target : targets())
        if (name == target.name)
            return target.entry;

    return nullptr;
}

std::vector<std::string> seedsFor (const std::string& name)
{
    auto asString = [] (const juce::MemoryBlock& block)
    { return std::string (static_cast<const char*> (block.getData()), block.getSize()); };

    std::vector<BXVandoriumPreset> presets (32);

    for (size_t i = 0; i < presets.size(); ++i)
    {
        presets[i].name = i == 1 ? juce::String ("A & <B> \"C\"") : "PRESET " + juce::String ((int) i + 1);
        presets[i].waveform = (juce::uint16) (i % 7);
        presets[i].effect = (juce::uint16) (i % 5);
        presets[i].volume = (juce::uint8) (i * 4);
    }

    if (name == "library")
    {
        BXVandoriumLibrary library;
        library.presets.assign (presets.begin(), presets.begin() + 3);
        return { library.toFileBytes(), "<Presets>\r\n</Presets>\r\n" };
    }

    if (name == "settings")
    {
        EditorSettings settings;
        settings.libraryFolder = "/home/user/Documents/Vandorium Editor/";
        settings.currentLibraryName = "Drums & <Bass>";
        return { settings.toFileText().toStdString() };
    }

    if (name == "base64")
        return { "TWFu", "TWE=", "TQ==", "" };

    const auto bank = encodeBankDump (presets);

    if (name == "datablock")
    {
        std::uint8_t packed[PresetDataBlock::packedSize];
        PresetDataBlock::pack (presets[1].toWords (1), packed);
        return { std::string (reinterpret_cast<const char*> (packed), sizeof (packed)) };
    }

    if (name == "bankdump")
        return { asString (bank), std::string (1, '\xf0').append (asString (bank)).append (1, '\xf7') };

    if (name == "midi")
    {
        const auto bankMessage = DeviceMessages::bankDumpMessage (bank);
        const auto presetMessage = DeviceMessages::presetDumpMessage (presets[0].toWords (0));

        auto raw = [] (const juce::MidiMessage& m)
        { return std::string (reinterpret_cast<const char*> (m.getRawData()), (size_t) m.getRawDataSize()); };

        auto inState = [] (char state, const std::string& bytes)
        { return std::string (1, state).append (bytes); };

        return { inState ('\x02', raw (DeviceMessages::identityReply ({ 0x00, 0x01, 0x00, 0x07 }))),
                 inState ('\x03', raw (presetMessage)),
                 inState ('\x04', raw (bankMessage)),
                 "\x01\xb0\x4a\x40\xc0\x05" };
    }

    return {};
}
} // namespace FuzzEntries
