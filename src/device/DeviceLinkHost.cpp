#include "DeviceLinkHost.h"

#include <juce_events/juce_events.h>

void runSynchronouslyOnMessageThread (const std::function<void()>& function)
{
    auto* manager = juce::MessageManager::getInstanceWithoutCreating();

    if (manager == nullptr || manager->isThisTheMessageThread())
    {
        function();
        return;
    }

    manager->callFunctionOnMessageThread ([] (void* f) -> void*
                                          {
                                              (*static_cast<const std::function<void()>*> (f))();
                                              return nullptr;
                                          },
                                          const_cast<std::function<void()>*> (&function));
}
