#include "DeviceEnvironment.h"

#include "device/JuceMidiBackend.h"
#include "model/AppFolders.h"
#include "model/BXVandoriumLibrary.h"

DeviceEnvironment::DeviceEnvironment (bool demo)
{
    if (! demo)
    {
        backend = std::make_unique<JuceMidiBackend>();
        ports = std::make_unique<DevicePorts> (*backend);
        return;
    }

    auto virtualPorts = std::make_unique<VirtualMidiBackend>();
    instrument = std::make_unique<SimulatedInstrument> (*virtualPorts);

    // The demo instrument ships with the instrument's factory bank.
    const BXVandoriumLibrary factory (AppFolders::current().resources.getChildFile ("VANDORIUM FACTORY.vandorium").getFullPathName(), true);

    if (factory.presets.size() >= 32)
        instrument->setBank (factory.presets);

    backend = std::move (virtualPorts);
    ports = std::make_unique<DevicePorts> (*backend);
}

// The members go in reverse order: the ports close, then the instrument leaves its ports.
DeviceEnvironment::~DeviceEnvironment() = default;
