#include "app/ConnectionCheck.h"
#include "support/EditorTestRig.h"

#include <gtest/gtest.h>

namespace
{
struct Connection final : ConnectionCheckTarget
{
    explicit Connection (MainComponent& m)
        : main (m)
    {
    }
    void openDevicePorts() override
    {
        ++opens;
        main.getSession().openDevicePorts();
    }
    bool isDeviceConnected() override { return main.getSession().isDeviceConnected(); }
    void repaintForRetry() override {}

    MainComponent& main;
    int opens = 0;
};
} // namespace

TEST (ConnectionCheck, AConnectedInstrumentRaisesNoAlert)
{
    EditorTestRig rig;
    Connection connection (*rig.main);
    EXPECT_TRUE (runConnectionCheck (connection, rig.dialogs));
    EXPECT_TRUE (rig.dialogs.boxes.empty());
}

TEST (ConnectionCheck, RetryUntilTheInstrumentIsThere)
{
    EditorTestRig rig;
    rig.instrument.unplug();
    Connection connection (*rig.main);

    // Retry twice; the instrument is plugged in during the second pause.
    rig.dialogs.choices = { 1, 1 };
    rig.dialogs.onWait = [&]
    { if (rig.dialogs.waits.size() == 2) rig.instrument.plugIn(); };

    EXPECT_TRUE (runConnectionCheck (connection, rig.dialogs));
    const auto alerts = rig.dialogs.ofKind ("choose");
    ASSERT_EQ (alerts.size(), 2u);
    EXPECT_EQ (alerts[0].title, "ALERT !");
    EXPECT_EQ (alerts[0].buttons, (juce::StringArray { "Use the Editor", "Retry" }));
    EXPECT_TRUE (alerts[0].message.startsWith ("The Vandorium is not connected to this computer."));
    EXPECT_EQ (rig.dialogs.waits, (std::vector<int> { 500, 500 }));
    EXPECT_EQ (connection.opens, 3);

    const auto notices = rig.dialogs.ofKind ("notice");
    ASSERT_EQ (notices.size(), 1u);
    EXPECT_EQ (notices[0].message, "The editor is now connected to the Vandorium.");
}

TEST (ConnectionCheck, UseTheEditorWithoutTheInstrument)
{
    EditorTestRig rig;
    rig.instrument.unplug();
    Connection connection (*rig.main);
    rig.dialogs.choices = { 0 };

    EXPECT_FALSE (runConnectionCheck (connection, rig.dialogs));
    EXPECT_EQ (rig.dialogs.ofKind ("choose").size(), 1u);
    EXPECT_TRUE (rig.dialogs.ofKind ("notice").empty());
    EXPECT_TRUE (rig.dialogs.waits.empty());
}
