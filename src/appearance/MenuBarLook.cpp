#include "MenuBarLook.h"

#include "DesignLayout.h"
#include "ResourceLoader.h"

namespace
{
const juce::Colour dark { DesignLayout::Colours::dark };
const juce::Colour light { DesignLayout::Colours::light };

juce::Font menuFont()
{
    return getResourceFont ("LCDFont", 16.0f);
}
} // namespace

MenuBarLook::MenuBarLook()
{
    setColour (juce::PopupMenu::backgroundColourId, light);
    setColour (juce::PopupMenu::textColourId, dark);
    setColour (juce::PopupMenu::highlightedBackgroundColourId, dark);
    setColour (juce::PopupMenu::highlightedTextColourId, light);
}

void MenuBarLook::drawMenuBarBackground (juce::Graphics& g, int width, int height, bool, juce::MenuBarComponent&)
{
    g.fillAll (dark);
    g.setColour (light.withAlpha (0.35f));
    g.fillRect (0, height - 1, width, 1);
}

void MenuBarLook::drawMenuBarItem (juce::Graphics& g, int width, int height, int, const juce::String& itemText, bool isMouseOverItem, bool isMenuOpen, bool, juce::MenuBarComponent&)
{
    const auto highlighted = isMenuOpen || isMouseOverItem;

    if (highlighted)
    {
        g.setColour (light);
        g.fillRect (0, 0, width, height - 1);
    }

    g.setColour (highlighted ? dark : light);
    g.setFont (menuFont());
    g.drawFittedText (itemText, 0, 0, width, height, juce::Justification::centred, 1);
}

juce::Font MenuBarLook::getMenuBarFont (juce::MenuBarComponent&, int, const juce::String&)
{
    return menuFont();
}

int MenuBarLook::getMenuBarItemWidth (juce::MenuBarComponent&, int, const juce::String& itemText)
{
    return menuFont().getStringWidth (itemText) + 24;
}

void MenuBarLook::drawPopupMenuBackground (juce::Graphics& g, int width, int height)
{
    g.fillAll (light);
    g.setColour (dark);
    g.drawRect (0, 0, width, height, 1);
}

void MenuBarLook::drawPopupMenuItem (juce::Graphics& g, const juce::Rectangle<int>& area, bool isSeparator, bool isActive, bool isHighlighted, bool, bool, const juce::String& text, const juce::String&, const juce::Drawable*, const juce::Colour*)
{
    if (isSeparator)
    {
        g.setColour (dark.withAlpha (0.5f));
        g.fillRect (area.reduced (8, 0).withSizeKeepingCentre (area.getWidth() - 16, 1));
        return;
    }

    auto r = area.reduced (2, 1);

    if (isHighlighted && isActive)
    {
        g.setColour (dark);
        g.fillRect (r);
    }

    g.setColour ((isHighlighted && isActive ? light : dark).withMultipliedAlpha (isActive ? 1.0f : 0.4f));
    g.setFont (menuFont());
    g.drawFittedText (text, r.reduced (10, 0), juce::Justification::centredLeft, 1);
}

juce::Font MenuBarLook::getPopupMenuFont()
{
    return menuFont();
}

void MenuBarLook::getIdealPopupMenuItemSize (const juce::String& text, bool isSeparator, int, int& idealWidth, int& idealHeight)
{
    if (isSeparator)
    {
        idealWidth = 50;
        idealHeight = 9;
        return;
    }

    idealHeight = 26;
    idealWidth = menuFont().getStringWidth (text) + 44;
}
