#include "Painter.h"
#include "Pictures.h"

void drawApplicationIcon (juce::Graphics& g, float size)
{
    using namespace Painter;
    const juce::Rectangle<float> area (0.0f, 0.0f, size, size);
    const auto tile = area.reduced (size * 0.04f);
    const auto corner = size * 0.2f;

    // A dark violet tile with the program's knob, its arc lit three quarters.
    juce::ColourGradient fill (Palette::backgroundTop.brighter (0.25f), 0.0f, tile.getY(), Palette::backgroundBottom, 0.0f, tile.getBottom(), false);
    g.setGradientFill (fill);
    g.fillRoundedRectangle (tile, corner);
    g.setColour (Palette::accent);
    g.drawRoundedRectangle (tile.reduced (size * 0.015f), corner, std::max (1.0f, size * 0.03f));

    knob (g, tile.reduced (size * 0.12f), 0.72f, size >= 48.0f);
}
