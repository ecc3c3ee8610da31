#pragma once

#include "device/DevicePorts.h"
#include "device/SimulatedInstrument.h"
#include "device/VirtualMidiBackend.h"

/** The MIDI ports the editor runs on: the system's, or, in demo mode, a
    simulated instrument on ports inside the process.
*/
class DeviceEnvironment final
{
public:
    explicit DeviceEnvironment (bool demo);
    ~DeviceEnvironment();

    DevicePorts& getPorts() noexcept { return *ports; }
    bool isDemo() const noexcept { return instrument != nullptr; }

private:
    std::unique_ptr<MidiPortBackend> backend;
    std::unique_ptr<SimulatedInstrument> instrument;
    std::unique_ptr<DevicePorts> ports;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (DeviceEnvironment)
};
