#include "BasicViewComponent.h"

#include "appearance/DesignLayout.h"

BasicViewComponent::BasicViewComponent (ViewContext c) : context (c)
{
    setSize (DesignLayout::Views::width, DesignLayout::Views::height);
}

BasicViewComponent::~BasicViewComponent() = default;

void BasicViewComponent::resized()
{
}

void BasicViewComponent::setFromPreset (const BXVandoriumPreset&, juce::NotificationType)
{
}

void BasicViewComponent::applyLookAndFeel (VandoriumLookAndFeel& )
{
}
