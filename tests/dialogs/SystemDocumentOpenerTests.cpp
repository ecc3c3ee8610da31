#include "dialogs/SystemDocumentOpener.h"
#include "support/MessagePump.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <csignal>

TEST (SystemDocumentOpener, HandsTheTargetOverAsOneArgumentAndReportsWhatTheOpenerReports)
{
    TempFolder temp;
    // An opener that records what it was given and says it found no application.
    const auto fakeOpener = temp.getRoot().getChildFile ("fake-opener");
    fakeOpener.replaceWithText ("#!/bin/sh\nprintf '%s' \"$1\" > \"$(dirname \"$0\")/asked\"\nexit 3\n", false, false, "\n");
    fakeOpener.setExecutePermission (true);

    // A name a shell would run commands from.
    const auto target = temp.getRoot().getChildFile ("manual $(touch pwned) `touch pwned2`; \"x\".pdf").getFullPathName();

    SystemDocumentOpener opener (fakeOpener.getFullPathName());
    juce::StringArray failures;
    opener.open (target, [&] (const juce::String& reason)
                 { failures.add (reason); });

    ASSERT_TRUE (pumpUntil ([&]
                            { return ! failures.isEmpty(); }));
    EXPECT_EQ (temp.getRoot().getChildFile ("asked").loadFileAsString(), target);
    EXPECT_FALSE (temp.getRoot().getChildFile ("pwned").exists());
    EXPECT_FALSE (temp.getRoot().getChildFile ("pwned2").exists());
    EXPECT_EQ (failures.joinIntoString ("|"), "No application is set up on this computer to show it");

    // No opener installed at all: said at once.
    SystemDocumentOpener missing ("vandorium-no-such-opener");
    juce::String reason;
    missing.open ("https://www.example.com/", [&] (const juce::String& r)
                  { reason = r; });
    EXPECT_TRUE (reason.contains ("xdg-utils")) << reason;
}

TEST (SystemDocumentOpener, ExitStatusesInTheUsersWords)
{
    EXPECT_TRUE (SystemDocumentOpener::describeExitStatus (0).isEmpty());

    for (const auto code : { 1, 2, 3, 4, 5 })
        EXPECT_TRUE (SystemDocumentOpener::describeExitStatus (code << 8).isNotEmpty()) << code;

    // A viewer kept in the foreground that ends badly much later was shown:
    // only "no file" and "no application" count then.
    const struct
    {
        int waitStatus;
        juce::uint32 runningForMs;
        bool failure;
    } cases[] = { { 0, 100, false }, { 3 << 8, 100, true }, { 3 << 8, 600000, true }, { 2 << 8, 600000, true }, { 4 << 8, 100, true }, { 4 << 8, 600000, false }, { SIGTERM, 600000, false }, { SIGKILL, 100, true } };

    for (const auto& c : cases)
        EXPECT_EQ (SystemDocumentOpener::isFailureToOpen (c.waitStatus, c.runningForMs), c.failure) << c.waitStatus << " after " << c.runningForMs;
}
