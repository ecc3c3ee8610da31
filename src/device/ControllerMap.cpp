#include "ControllerMap.h"

#include "model/ParameterTable.h"

namespace ControllerMap
{
int descriptorFor (const juce::String& controlName)
{
    const auto* parameter = ParameterTable::find (controlName);
    return parameter != nullptr ? parameter->descriptor : 0;
}
} // namespace ControllerMap
