#include "device/ControllerMap.h"
#include "device/DeviceMessages.h"
#include "device/DeviceSender.h"
#include "device/VirtualMidiBackend.h"

#include <gtest/gtest.h>

namespace
{
using Bytes = std::vector<int>;

Bytes bytesOf (const juce::MidiMessage& m)
{
    return { m.getRawData(), m.getRawData() + m.getRawDataSize() };
}

/** A sender whose single output records what it is given. */
struct SendRig : public juce::MidiInputCallback
{
    SendRig()
    {
        backend.addInputPort ("Brax Vandorium");
        backend.addOutputPort ("Brax Vandorium", [this] (const juce::MidiMessage& m)
                               { sent.push_back (bytesOf (m)); });
        ports.openDevicePorts (this);
    }

    void handleIncomingMidiMessage (juce::MidiInput*, const juce::MidiMessage&) override {}

    VirtualMidiBackend backend;
    DevicePorts ports { backend };
    int selectedRow = -1;
    DeviceSender sender { ports, [this]
                          { return selectedRow; } };
    std::vector<Bytes> sent;
};

juce::MidiMessage identityReply (std::initializer_list<juce::uint8> revision, juce::uint8 device = 0x7f)
{
    std::vector<juce::uint8> payload { 0x7e, device, 0x06, 0x02, 0x04, 0x01, 0x00, 0x02, 0x00 };
    payload.insert (payload.end(), revision.begin(), revision.end());
    return juce::MidiMessage::createSysExMessage (payload.data(), (int) payload.size());
}
} // namespace

TEST (DeviceMessages, PackedDescriptorsSendTheirControllers)
{
    const struct
    {
        int descriptor, value;
        std::vector<Bytes> expected;
    } cases[] = {
        { 0x67b0, 60, { { 0xb0, 0x67, 0x3c } } },
        { 0x67b0, 255, { { 0xb0, 0x67, 0x7f } } },
        { 0x2909b0, 8000, { { 0xb0, 9, 0x3e }, { 0xb0, 41, 0x40 } } },
        { 0x2909b0, 16383, { { 0xb0, 9, 127 }, { 0xb0, 41, 127 } } },
        { 0x2909b0, 8192, { { 0xb0, 9, 64 }, { 0xb0, 41, 0 } } },
        { 0x2909b0, 1, { { 0xb0, 9, 0 }, { 0xb0, 41, 1 } } },
        { 0x55c0, 5, { { 0xc0, 5 } } },
        { 0xc0, 133, { { 0xc0, 5 } } },
        { 0x5590, 5, {} },
        { 0, 5, {} },
    };

    for (const auto& c : cases)
    {
        SendRig rig;
        rig.sender.sendPackedMessage (c.descriptor, c.value);
        EXPECT_EQ (rig.sent, c.expected) << std::hex << c.descriptor << " " << std::dec << c.value;
    }

    SendRig rig;
    rig.sender.sendPackedMessage (0x2909b0, 8000);
    rig.ports.closeDevicePorts();
    rig.sender.sendPackedMessage (0x2909b0, 8000);
    EXPECT_EQ (rig.sent.size(), 2u); // nothing reaches a closed instrument
}

TEST (DeviceMessages, NameMessagesFillTheirFieldByteForByte)
{
    SendRig rig;

    rig.sender.sendPresetName ("ABCDEFGHIJKLMNOPQRST");
    rig.sender.sendPresetName ("");
    rig.sender.sendPresetName (juce::String (juce::CharPointer_UTF8 ("CAF\xc3\x89 \x01")));
    rig.sender.sendEffectName ("SHORT DELAY");
    rig.selectedRow = 5;
    rig.sender.sendEffectName ("OFF");
    ASSERT_EQ (rig.sent.size(), 5u);

    for (const auto& message : rig.sent)
    {
        ASSERT_EQ (message.size(), 33u);
        EXPECT_EQ (message.front(), 0xf0);
        EXPECT_EQ (message.back(), 0xf7);

        for (size_t i = 1; i + 1 < message.size(); ++i)
            EXPECT_LT (message[i], 0x80);

        const Bytes prefix { 0x04, 0x0b, 0x06 };
        EXPECT_TRUE (std::equal (prefix.begin(), prefix.end(), message.begin() + 1));
        EXPECT_EQ (message[1 + 15], 0x01);
    }

    const auto field = [&] (size_t index)
    { return juce::String::fromUTF8 (reinterpret_cast<const char*> (std::vector<char> (rig.sent[index].begin() + 17, rig.sent[index].begin() + 31).data()), 14); };

    EXPECT_EQ (rig.sent[0][4], 0x07);
    EXPECT_EQ (field (0), "ABCDEFGHIJKLM ");
    EXPECT_EQ (rig.sent[0][1 + 30], 0x00);
    EXPECT_EQ (field (1), "              ");
    EXPECT_EQ (field (2), "CAF? ?        ");

    EXPECT_EQ (rig.sent[3][4], 0x08);
    EXPECT_EQ (field (3), "SHORT DELAY   ");
    EXPECT_EQ (rig.sent[3][1 + 30], 0x00); // no row selected: the same byte as slot 1
    EXPECT_EQ (rig.sent[4][1 + 30], 0x05);
}

TEST (DeviceMessages, RequestsAreTheInstrumentsBytes)
{
    EXPECT_EQ (bytesOf (DeviceMessages::identityRequest()), (Bytes { 0xf0, 0x7e, 0x7f, 0x06, 0x01, 0xf7 }));
    EXPECT_EQ (bytesOf (DeviceMessages::storeRequest()), (Bytes { 0xb0, 0x77, 0x7f }));

    Bytes preset { 0xf0, 0x04, 0x0b, 0x06, 0x00 };
    preset.resize (16, 0);
    preset.push_back (0xf7);
    EXPECT_EQ (bytesOf (DeviceMessages::presetRequest()), preset);

    preset[4] = 0x03;
    EXPECT_EQ (bytesOf (DeviceMessages::bankRequest()), preset);
}

TEST (DeviceMessages, IdentityReplyGivesTheFirmwareVersion)
{
    EXPECT_EQ (DeviceMessages::firmwareVersionFrom (identityReply ({ 0x00, 0x00, 0x3f, 0x07 })), juce::String ("v1.0.7"));
    EXPECT_EQ (DeviceMessages::firmwareVersionFrom (identityReply ({ 0x00, 0x01, 0x02, 0x03 })), juce::String ("v1.2.3"));
    EXPECT_EQ (DeviceMessages::firmwareVersionFrom (identityReply ({ 0x05, 0x00, 0x00, 0x00 })), std::nullopt);

    EXPECT_TRUE (DeviceMessages::isIdentityReply (identityReply ({ 0, 1, 1, 0 })));
    EXPECT_FALSE (DeviceMessages::isIdentityReply (identityReply ({ 0, 1, 1, 0 }, 0x10)));

    // Too short to hold the revision bytes: not read, not accepted.
    EXPECT_FALSE (DeviceMessages::isIdentityReply (identityReply ({ 0, 1 })));
    EXPECT_EQ (DeviceMessages::firmwareVersionFrom (identityReply ({ 0, 1 })), std::nullopt);
    EXPECT_FALSE (DeviceMessages::isIdentityReply (juce::MidiMessage::controllerEvent (1, 1, 1)));
}

TEST (DeviceMessages, ThePresetDumpIsTheInstrumentsBytes)
{
    // Literal bytes: a mistake made alike in the encoder and the decoder
    // would pass every round trip.
    const auto message = DeviceMessages::presetDumpMessage (BXVandoriumPreset().toWords (3));
    const auto* raw = message.getRawData();
    ASSERT_EQ (message.getRawDataSize(), 1 + 22 + 183 + 1);

    const juce::uint8 header[] = { 0xf0, 0x04, 0x0b, 0x04, 0x01, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x60, 0, 0, 0, 0, 0, 0, 0, 0x01 };
    EXPECT_TRUE (std::equal (std::begin (header), std::end (header), raw));

    const auto word = [raw] (int index)
    { return std::vector<juce::uint8> (raw + 23 + 3 * index, raw + 26 + 3 * index); };

    EXPECT_EQ (word (0), (std::vector<juce::uint8> { 0x40, 0x00, 0x03 })); // the slot
    EXPECT_EQ (word (1), (std::vector<juce::uint8> { 0x40, 0x01, 0x0e })); // "N"
    EXPECT_EQ (word (2), (std::vector<juce::uint8> { 0x40, 0x01, 0x05 })); // "E"
    EXPECT_EQ (word (43), (std::vector<juce::uint8> { 0x43, 0x03, 0x14 })); // cutoff 12500
    EXPECT_EQ (raw[message.getRawDataSize() - 1], 0xf7);
    EXPECT_TRUE (DeviceMessages::isPresetDump (message));
}
