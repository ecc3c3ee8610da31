#include "ConnectionCheck.h"

bool runConnectionCheck (ConnectionCheckTarget& target, UserDialogs& dialogs)
{
    target.openDevicePorts();

    if (target.isDeviceConnected())
        return true;

    while (! target.isDeviceConnected())
    {
        const auto result = dialogs.choose ("ALERT !", ConnectionCheckText::notConnected, { "Use the Editor", "Retry" });

        if (result == 0)
            break;

        if (result == 1)
        {
            target.repaintForRetry();
            dialogs.wait (ConnectionCheckText::retryWaitMs);
            target.openDevicePorts();
        }
    }

    if (target.isDeviceConnected())
        dialogs.showNotice ("ALERT !", ConnectionCheckText::connected);

    return target.isDeviceConnected();
}
