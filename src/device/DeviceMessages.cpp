#include "DeviceMessages.h"

#include "model/BankDump.h"

namespace DeviceMessages
{
namespace
{
// The Identity Reply's revision bytes sit at payload offsets 9 to 12.
constexpr int identityReplyMinimumPayload = 13;

juce::MidiMessage sysEx (const juce::uint8* payload, int size)
{
    return juce::MidiMessage::createSysExMessage (payload, size);
}

juce::MidiMessage request (juce::uint8 subCommand)
{
    juce::uint8 payload[15] = { 0x04, 0x0b, 0x06, subCommand };
    return sysEx (payload, (int) sizeof (payload));
}

constexpr juce::uint8 presetNameKind = 0x07;
constexpr juce::uint8 effectNameKind = 0x08;

/** Whether a message's payload starts as a reference message's does. */
bool startsLike (const juce::MidiMessage& message, const juce::MidiMessage& reference, int prefixLength)
{
    return message.isSysEx() && message.getSysExDataSize() >= prefixLength && reference.getSysExDataSize() >= prefixLength
           && std::equal (reference.getSysExData(), reference.getSysExData() + prefixLength, message.getSysExData());
}

juce::MidiMessage nameMessage (juce::uint8 kind, const juce::String& text, int maxCharacters, juce::uint8 lastByte)
{
    juce::uint8 payload[nameMessagePayloadSize] = { 0x04, 0x0b, 0x06, kind };
    payload[15] = 0x01;
    writeNameField (payload + nameFieldOffset, text, maxCharacters);
    payload[30] = lastByte;
    return sysEx (payload, (int) sizeof (payload));
}

bool payloadStartsWith (const juce::MidiMessage& message, const juce::uint8* prefix, int size)
{
    if (! message.isSysEx() || message.getSysExDataSize() < size)
        return false;

    return std::equal (prefix, prefix + size, message.getSysExData());
}
} // namespace

juce::MidiMessage storeRequest() { return juce::MidiMessage::controllerEvent (1, 119, 127); }

juce::MidiMessage identityRequest()
{
    const juce::uint8 payload[] = { 0x7e, 0x7f, 0x06, 0x01 };
    return sysEx (payload, (int) sizeof (payload));
}

juce::MidiMessage presetRequest() { return request (0x00); }

juce::MidiMessage identityReply (const std::array<juce::uint8, 4>& revision)
{
    juce::uint8 payload[identityReplyMinimumPayload] = { 0x7e, 0x7f, 0x06, 0x02, 0x04, 0x01, 0x00, 0x02, 0x00 };
    std::copy (revision.begin(), revision.end(), payload + 9);
    return sysEx (payload, (int) sizeof (payload));
}

juce::MidiMessage presetDumpMessage (const PresetDataBlock::Words& words)
{
    juce::MemoryBlock payload;
    payload.append (BankDump::presetDumpHeader().data(), BankDump::headerSize);
    juce::uint8 packed[PresetDataBlock::packedSize];
    PresetDataBlock::pack (words, packed);
    payload.append (packed, sizeof (packed));
    return bankDumpMessage (payload);
}

bool isIdentityRequest (const juce::MidiMessage& m) { return startsLike (m, identityRequest(), 4); }
bool isPresetRequest (const juce::MidiMessage& m) { return startsLike (m, presetRequest(), 4); }
bool isBankRequest (const juce::MidiMessage& m) { return startsLike (m, bankRequest(), 4); }
bool isPresetNameMessage (const juce::MidiMessage& m) { return startsLike (m, presetNameMessage ({}), 4); }
bool isEffectNameMessage (const juce::MidiMessage& m) { return startsLike (m, effectNameMessage ({}, 0), 4); }

bool isStoreRequest (const juce::MidiMessage& m)
{
    const auto store = storeRequest();
    return m.isController() && m.getControllerNumber() == store.getControllerNumber() && m.getControllerValue() == store.getControllerValue();
}

juce::String nameFieldText (const juce::MidiMessage& m)
{
    if (! m.isSysEx() || m.getSysExDataSize() < nameFieldOffset + nameFieldLength)
        return {};

    const auto* field = m.getSysExData() + nameFieldOffset;
    return juce::String (reinterpret_cast<const char*> (field), (size_t) nameFieldLength).trimEnd();
}
juce::MidiMessage bankRequest() { return request (0x03); }

void writeNameField (juce::uint8* field, const juce::String& text, int maxCharacters)
{
    std::fill (field, field + nameFieldLength, (juce::uint8) 0x20);
    auto character = text.getCharPointer();

    for (int i = 0; i < std::min (maxCharacters, nameFieldLength) && ! character.isEmpty(); ++i)
    {
        const auto c = character.getAndAdvance();
        field[i] = (c >= 0x20 && c <= 0x7e) ? (juce::uint8) c : (juce::uint8) '?';
    }
}

juce::MidiMessage presetNameMessage (const juce::String& name)
{
    return nameMessage (presetNameKind, name, 13, 0x00);
}

juce::MidiMessage effectNameMessage (const juce::String& effectName, int selectedSlot)
{
    return nameMessage (effectNameKind, effectName, nameFieldLength, (juce::uint8) (selectedSlot >= 0 ? selectedSlot & 0x7f : 0));
}

juce::MidiMessage bankDumpMessage (const juce::MemoryBlock& payload)
{
    return sysEx (static_cast<const juce::uint8*> (payload.getData()), (int) payload.getSize());
}

//==============================================================================
bool isIdentityReply (const juce::MidiMessage& message)
{
    const juce::uint8 prefix[] = { 0x7e, 0x7f, 0x06, 0x02 };

    // Too short to hold the revision bytes: not a reply we can read.
    return payloadStartsWith (message, prefix, (int) sizeof (prefix))
           && message.getSysExDataSize() >= identityReplyMinimumPayload;
}

bool isPresetDump (const juce::MidiMessage& message)
{
    const auto& header = BankDump::presetDumpHeader();
    return payloadStartsWith (message, header.data(), (int) header.size());
}

bool isBankDump (const juce::MidiMessage& message)
{
    const auto& header = BankDump::header();
    return payloadStartsWith (message, header.data(), (int) header.size());
}

std::optional<juce::String> firmwareVersionFrom (const juce::MidiMessage& reply)
{
    if (! isIdentityReply (reply))
        return std::nullopt;

    const auto* payload = reply.getSysExData();
    const int r1 = payload[9], r2 = payload[10], r3 = payload[11], r4 = payload[12];

    if (r1 == 0 && r2 == 0 && r3 == 0x3f)
        return "v1.0." + juce::String (r4);

    if (r2 != 0)
        return juce::String::formatted ("v%d.%d.%d", r2, r3, r4);

    return std::nullopt;
}
} // namespace DeviceMessages
