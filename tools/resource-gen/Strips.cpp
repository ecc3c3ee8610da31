#include "Painter.h"
#include "Pictures.h"

namespace
{
using namespace DesignLayout;

Picture knobStrip (const juce::String& name, juce::Point<int> frame, bool big, bool fromCentre = false)
{
    return { name, frame.x, frame.y * Strips::knobFrames, [frame, big, fromCentre] (juce::Graphics& g)
             {
                 for (int i = 0; i < Strips::knobFrames; ++i)
                 {
                     const juce::Rectangle<float> area (0.0f, (float) (i * frame.y), (float) frame.x, (float) frame.y);
                     Painter::knob (g, area.reduced (1.0f), (float) i / (float) (Strips::knobFrames - 1), big, fromCentre);
                 }
             } };
}

/** Two states one above the other: drawState (g, area, lit) for the upper
    state (lit false) and the lower state (lit true).
*/
Picture twoStates (const juce::String& name, juce::Point<int> frame, std::function<void (juce::Graphics&, juce::Rectangle<float>, bool)> drawState)
{
    return { name, frame.x, frame.y * 2, [frame, drawState] (juce::Graphics& g)
             {
                 for (int state = 0; state < 2; ++state)
                     drawState (g, { 0.0f, (float) (state * frame.y), (float) frame.x, (float) frame.y }, state == 1);
             } };
}

void drawRoundButton (juce::Graphics& g, juce::Rectangle<float> area, bool on)
{
    const auto size = std::min (area.getWidth(), area.getHeight()) - 4.0f;
    const auto body = juce::Rectangle<float> (size, size).withCentre (area.getCentre());

    g.setColour (juce::Colour (0x90000000));
    g.fillEllipse (body.translated (0.0f, 1.5f));

    juce::ColourGradient cap (juce::Colour (0xff4a4066), body.getCentreX(), body.getY(), juce::Colour (0xff15111f), body.getCentreX(), body.getBottom(), false);
    g.setGradientFill (cap);
    g.fillEllipse (body);
    g.setColour (juce::Colour (0xff5c5280));
    g.drawEllipse (body.reduced (0.75f), 1.5f);

    // The lamp in the middle: mint and glowing when on.
    const auto lamp = body.reduced (size * 0.3f);

    if (on)
    {
        g.setColour (Painter::Palette::lcd.withAlpha (0.25f));
        g.fillEllipse (lamp.expanded (size * 0.1f));
        g.setColour (Painter::Palette::lcd);
    }
    else
    {
        g.setColour (juce::Colour (0xff2a2340));
    }

    g.fillEllipse (lamp);
}

void drawCheckbox (juce::Graphics& g, juce::Rectangle<float> area, bool on)
{
    const auto box = area.reduced (2.0f, 3.0f);
    g.setColour (juce::Colour (0xff05040a));
    g.fillRoundedRectangle (box, 4.0f);
    g.setColour (Painter::Palette::panelEdge.brighter (0.3f));
    g.drawRoundedRectangle (box.reduced (0.5f), 4.0f, 1.0f);

    if (on)
    {
        juce::Path tick;
        tick.startNewSubPath (box.getX() + box.getWidth() * 0.22f, box.getCentreY());
        tick.lineTo (box.getX() + box.getWidth() * 0.43f, box.getBottom() - box.getHeight() * 0.24f);
        tick.lineTo (box.getRight() - box.getWidth() * 0.2f, box.getY() + box.getHeight() * 0.24f);
        g.setColour (Painter::Palette::lcd);
        g.strokePath (tick, juce::PathStrokeType (2.6f, juce::PathStrokeType::curved, juce::PathStrokeType::rounded));
    }
}

/** A slab button; pressed slabs sit lower and darker. */
void slab (juce::Graphics& g, juce::Rectangle<float> area, bool pressed)
{
    const auto body = area.reduced (2.0f).translated (0.0f, pressed ? 1.0f : 0.0f);

    g.setColour (juce::Colour (0xa0000000));
    g.fillRoundedRectangle (body.translated (0.0f, pressed ? 0.5f : 2.0f), 6.0f);

    juce::ColourGradient fill (pressed ? juce::Colour (0xff2a2340) : juce::Colour (0xff40375d), body.getX(), body.getY(), pressed ? juce::Colour (0xff1a1528) : juce::Colour (0xff211b33), body.getX(), body.getBottom(), false);
    g.setGradientFill (fill);
    g.fillRoundedRectangle (body, 6.0f);
    g.setColour (pressed ? Painter::Palette::lcd.withAlpha (0.8f) : juce::Colour (0xff62578a));
    g.drawRoundedRectangle (body.reduced (0.5f), 6.0f, 1.0f);
}

/** A command button with a word: the lower state is the resting one, the
    upper state the pressed one (the editor draws these buttons inverted).
*/
Picture wordButton (const juce::String& name, const juce::String& word)
{
    return twoStates (name, Strips::commandButton, [word] (juce::Graphics& g, juce::Rectangle<float> area, bool resting)
                      {
                          slab (g, area, ! resting);
                          Painter::caption (g, word, area.reduced (4.0f).translated (0.0f, resting ? 0.0f : 1.0f), 12.0f,
                                            resting ? Painter::Palette::caption : Painter::Palette::lcd); });
}

void folderIcon (juce::Graphics& g, juce::Rectangle<float> r, juce::Colour colour)
{
    juce::Path p;
    p.addRoundedRectangle (r.getX(), r.getY() + r.getHeight() * 0.22f, r.getWidth(), r.getHeight() * 0.78f, 1.5f);
    p.addRoundedRectangle (r.getX(), r.getY(), r.getWidth() * 0.45f, r.getHeight() * 0.35f, 1.5f);
    g.setColour (colour);
    g.fillPath (p);
}

void syncIcon (juce::Graphics& g, juce::Rectangle<float> r, juce::Colour colour)
{
    const auto c = r.getCentre();
    const auto radius = r.getHeight() * 0.45f;
    g.setColour (colour);

    for (int half = 0; half < 2; ++half)
    {
        const auto start = juce::MathConstants<float>::pi * (half == 0 ? 0.15f : 1.15f);
        const auto end = start + juce::MathConstants<float>::pi * 0.75f;
        juce::Path arc;
        arc.addCentredArc (c.x, c.y, radius, radius, 0.0f, start, end, true);
        g.strokePath (arc, juce::PathStrokeType (1.8f));

        const auto tip = juce::Point<float> (c.x + radius * std::sin (end), c.y - radius * std::cos (end));
        juce::Path head;
        head.addTriangle (tip.x - 3.0f, tip.y - 3.0f, tip.x + 3.0f, tip.y - 3.0f, tip.x, tip.y + 3.0f);
        g.fillPath (head, juce::AffineTransform::rotation (end + juce::MathConstants<float>::halfPi, tip.x, tip.y));
    }
}

Picture iconButton (const juce::String& name, std::function<void (juce::Graphics&, juce::Rectangle<float>, juce::Colour)> icon)
{
    return twoStates (name, Strips::smallButton, [icon] (juce::Graphics& g, juce::Rectangle<float> area, bool resting)
                      {
                          slab (g, area, ! resting);
                          const auto iconArea = juce::Rectangle<float> (18.0f, 13.0f).withCentre (area.getCentre()).translated (0.0f, resting ? 0.0f : 1.0f);
                          icon (g, iconArea, resting ? Painter::Palette::caption : Painter::Palette::lcd); });
}

void drawScrollbarThumb (juce::Graphics& g)
{
    const auto size = Strips::scrollbarThumb;
    const juce::Rectangle<float> area (0.0f, 0.0f, (float) size.x, (float) size.y);
    const auto body = area.reduced (1.0f, 2.0f);

    juce::ColourGradient fill (juce::Colour (0xff6f54c9), body.getX(), 0.0f, juce::Colour (DesignLayout::Colours::dark), body.getRight(), 0.0f, false);
    g.setGradientFill (fill);
    g.fillRoundedRectangle (body, body.getWidth() * 0.5f);
    g.setColour (juce::Colour (0x60ffffff));
    g.drawRoundedRectangle (body.reduced (0.5f), body.getWidth() * 0.5f, 1.0f);

    for (int i = -1; i <= 1; ++i)
        g.fillRect (body.getX() + 3.0f, body.getCentreY() + (float) i * 6.0f - 0.5f, body.getWidth() - 6.0f, 1.0f);
}
} // namespace

std::vector<Picture> stripPictures()
{
    namespace S = DesignLayout::Strips;

    return {
        knobStrip ("Knob", S::knob, false),
        knobStrip ("Knob Big", S::knobBig, true),
        knobStrip ("Knob Bipolar", S::knob, false, true),
        knobStrip ("Knob Big Bipolar", S::knobBig, true, true),
        twoStates ("Round Button HD", S::roundButton, drawRoundButton),
        twoStates ("Checkbox", S::checkbox, drawCheckbox),
        twoStates ("Generic Button HD", S::genericButton, [] (juce::Graphics& g, juce::Rectangle<float> area, bool pressed)
                   { slab (g, area, pressed); }),
        { "Scrollbar Knob HD", S::scrollbarThumb.x, S::scrollbarThumb.y, drawScrollbarThumb },
        wordButton ("SAVE Button HD", "SAVE"),
        wordButton ("DELETE Button HD", "DELETE"),
        wordButton ("QUICK SAVE Button HD", "QUICK SAVE"),
        iconButton ("Folder Button HD", folderIcon),
        iconButton ("Sync Button HD", syncIcon),
    };
}
