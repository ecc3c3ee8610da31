#include "GlobalViewComponent.h"

#include "appearance/DesignLayout.h"

GlobalViewComponent::GlobalViewComponent (ViewContext c) : context (c)
{
    setSize (DesignLayout::Views::width, DesignLayout::Views::height);
}

GlobalViewComponent::~GlobalViewComponent() = default;

void GlobalViewComponent::resized()
{
}

void GlobalViewComponent::updateNoteLabels()
{
}

void GlobalViewComponent::applyLookAndFeel (VandoriumLookAndFeel& , VandoriumLookAndFeel& )
{
}
