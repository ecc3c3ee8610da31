#pragma once

#include "dialogs/UserDialogs.h"

/** What the start-up connection check works on (the main component). */
class ConnectionCheckTarget
{
public:
    virtual ~ConnectionCheckTarget() = default;
    virtual void openDevicePorts() = 0;
    virtual bool isDeviceConnected() = 0;
    virtual void repaintForRetry() = 0;
};

/** Opens the instrument's ports and, while they are missing, asks the user
    to "Retry" or to "Use the Editor" without the instrument. Returns true
    when the instrument is connected at the end.
*/
bool runConnectionCheck (ConnectionCheckTarget& target, UserDialogs& dialogs);

namespace ConnectionCheckText
{
constexpr const char* notConnected =
    "The Vandorium is not connected to this computer.\n\nCheck the USB cable connection between the computer and the Vandorium\n"
    "and make sure the Vandorium is powered ON, then click on \"Retry\", or use\nthe editor without Vandorium's connection.";
constexpr const char* connected = "The editor is now connected to the Vandorium.";
constexpr int retryWaitMs = 500;
} // namespace ConnectionCheckText
