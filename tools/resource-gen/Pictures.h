#pragma once

#include <juce_graphics/juce_graphics.h>

#include <functional>

/** One generated picture: its resource name, its design size and how to draw
    it in design coordinates.
*/
struct Picture
{
    juce::String name;
    int width, height;
    std::function<void (juce::Graphics&)> draw;
};

/** The backgrounds: the three editor views, the library manager, the
    settings dialog and the quick start guide.
*/
std::vector<Picture> backgroundPictures();

/** The filmstrips and two-state button pictures. */
std::vector<Picture> stripPictures();

/** The application's icon, a square of that many pixels. */
void drawApplicationIcon (juce::Graphics&, float size);
