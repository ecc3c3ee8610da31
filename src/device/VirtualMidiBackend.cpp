#include "VirtualMidiBackend.h"

// One opened input: the callback and whether it has been started. Delivery
// holds the lock, so closing waits for a delivery in progress.
struct VirtualMidiBackend::InputHandle
{
    std::mutex lock;
    juce::MidiInputCallback* callback = nullptr;
    bool started = false;
};

// What an output port is connected to; cut when the port leaves.
struct VirtualMidiBackend::OutputLink
{
    std::mutex lock;
    Receiver receiver;
};

struct VirtualMidiBackend::Port
{
    PortId id = 0;
    juce::String name;
    bool isInput = true;
    bool failsToOpen = false;
    std::vector<std::weak_ptr<InputHandle>> handles;
    std::shared_ptr<OutputLink> link;
};

namespace
{
class VirtualInputPort final : public MidiInputPort
{
public:
    explicit VirtualInputPort (std::shared_ptr<VirtualMidiBackend::InputHandle> h)
        : handle (std::move (h))
    {
    }

    ~VirtualInputPort() override
    {
        const std::lock_guard<std::mutex> guard (handle->lock);
        handle->callback = nullptr;
        handle->started = false;
    }

    void start() override
    {
        const std::lock_guard<std::mutex> guard (handle->lock);
        handle->started = true;
    }

private:
    std::shared_ptr<VirtualMidiBackend::InputHandle> handle;
};

class VirtualOutputPort final : public MidiOutputPort
{
public:
    explicit VirtualOutputPort (std::shared_ptr<VirtualMidiBackend::OutputLink> l)
        : link (std::move (l))
    {
    }

    void sendMessageNow (const juce::MidiMessage& message) override
    {
        const std::lock_guard<std::mutex> guard (link->lock);

        if (link->receiver != nullptr)
            link->receiver (message);
    }

private:
    std::shared_ptr<VirtualMidiBackend::OutputLink> link;
};
} // namespace

//==============================================================================
VirtualMidiBackend::VirtualMidiBackend() = default;

VirtualMidiBackend::~VirtualMidiBackend()
{
    for (auto& port : ports)
        if (port->link != nullptr)
        {
            const std::lock_guard<std::mutex> guard (port->link->lock);
            port->link->receiver = nullptr;
        }
}

VirtualMidiBackend::PortId VirtualMidiBackend::addInputPort (const juce::String& name)
{
    const std::lock_guard<std::mutex> guard (registryLock);
    auto port = std::make_unique<Port>();
    port->id = nextId++;
    port->name = name;
    port->isInput = true;
    ports.push_back (std::move (port));
    return ports.back()->id;
}

VirtualMidiBackend::PortId VirtualMidiBackend::addOutputPort (const juce::String& name, Receiver receiver)
{
    const std::lock_guard<std::mutex> guard (registryLock);
    auto port = std::make_unique<Port>();
    port->id = nextId++;
    port->name = name;
    port->isInput = false;
    port->link = std::make_shared<OutputLink>();
    port->link->receiver = std::move (receiver);
    ports.push_back (std::move (port));
    return ports.back()->id;
}

void VirtualMidiBackend::removePort (PortId id)
{
    std::unique_ptr<Port> removed;

    {
        const std::lock_guard<std::mutex> guard (registryLock);
        const auto found = std::find_if (ports.begin(), ports.end(), [id] (const auto& p)
                                         { return p->id == id; });

        if (found == ports.end())
            return;

        removed = std::move (*found);
        ports.erase (found);
    }

    if (removed->link != nullptr)
    {
        const std::lock_guard<std::mutex> guard (removed->link->lock);
        removed->link->receiver = nullptr;
    }
}

void VirtualMidiBackend::setFailsToOpen (PortId id, bool fails)
{
    const std::lock_guard<std::mutex> guard (registryLock);

    for (auto& port : ports)
        if (port->id == id)
            port->failsToOpen = fails;
}

void VirtualMidiBackend::deliver (PortId id, const juce::MidiMessage& message)
{
    std::vector<std::shared_ptr<InputHandle>> targets;

    {
        const std::lock_guard<std::mutex> guard (registryLock);

        for (auto& port : ports)
            if (port->id == id && port->isInput)
                for (auto& weak : port->handles)
                    if (auto handle = weak.lock())
                        targets.push_back (handle);
    }

    for (auto& handle : targets)
    {
        const std::lock_guard<std::mutex> guard (handle->lock);

        if (handle->started && handle->callback != nullptr)
            handle->callback->handleIncomingMidiMessage (nullptr, message);
    }
}

//==============================================================================
juce::StringArray VirtualMidiBackend::namesOf (bool inputs)
{
    const std::lock_guard<std::mutex> guard (registryLock);
    juce::StringArray names;

    for (auto& port : ports)
        if (port->isInput == inputs)
            names.add (port->name);

    return names;
}

VirtualMidiBackend::Port* VirtualMidiBackend::portAt (int index, bool inputs)
{
    for (auto& port : ports)
        if (port->isInput == inputs && index-- == 0)
            return port.get();

    return nullptr;
}

juce::StringArray VirtualMidiBackend::getInputNames()
{
    ++inputListings;
    return namesOf (true);
}
juce::StringArray VirtualMidiBackend::getOutputNames() { return namesOf (false); }

std::unique_ptr<MidiInputPort> VirtualMidiBackend::openInput (int index, juce::MidiInputCallback* callback)
{
    const std::lock_guard<std::mutex> guard (registryLock);
    auto* port = portAt (index, true);

    if (port == nullptr || port->failsToOpen)
        return nullptr;

    auto handle = std::make_shared<InputHandle>();
    handle->callback = callback;

    // Forget handles that were closed meanwhile.
    port->handles.erase (std::remove_if (port->handles.begin(), port->handles.end(), [] (const auto& w)
                                         { return w.expired(); }),
                         port->handles.end());
    port->handles.push_back (handle);
    return std::make_unique<VirtualInputPort> (handle);
}

std::unique_ptr<MidiOutputPort> VirtualMidiBackend::openOutput (int index)
{
    const std::lock_guard<std::mutex> guard (registryLock);
    auto* port = portAt (index, false);

    if (port == nullptr || port->failsToOpen)
        return nullptr;

    return std::make_unique<VirtualOutputPort> (port->link);
}
