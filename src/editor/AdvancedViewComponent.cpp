#include "AdvancedViewComponent.h"

#include "appearance/DesignLayout.h"

AdvancedViewComponent::AdvancedViewComponent (ViewContext c) : context (c)
{
    setSize (DesignLayout::Views::width, DesignLayout::Views::height);
}

AdvancedViewComponent::~AdvancedViewComponent() = default;

void AdvancedViewComponent::resized()
{
}

void AdvancedViewComponent::setFromPreset (const BXVandoriumPreset&, juce::NotificationType)
{
}

void AdvancedViewComponent::applyLookAndFeel (VandoriumLookAndFeel& , VandoriumLookAndFeel& )
{
}
