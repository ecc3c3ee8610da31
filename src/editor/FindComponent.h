#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** The first component of that name and type below root (depth first), or
    nullptr. Component names are how the editor tells its controls apart,
    so tools and tests reach controls this way instead of through members.
*/
template <typename ComponentType = juce::Component>
ComponentType* findComponent (juce::Component& root, const juce::String& name)
{
    for (auto* child : root.getChildren())
    {
        if (child->getName() == name)
            if (auto* found = dynamic_cast<ComponentType*> (child))
                return found;

        if (auto* found = findComponent<ComponentType> (*child, name))
            return found;
    }

    return nullptr;
}
