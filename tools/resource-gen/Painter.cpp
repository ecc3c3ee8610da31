#include "Painter.h"

namespace Painter
{
juce::Font captionFont (float height, bool bold)
{
    static const auto boldFace = []() -> juce::Typeface::Ptr
    {
        juce::MemoryBlock data;

        if (juce::File ("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf").loadFileAsData (data))
            return juce::Typeface::createSystemTypefaceFor (data.getData(), data.getSize());

        return nullptr;
    }();

    static const auto plainFace = []() -> juce::Typeface::Ptr
    {
        juce::MemoryBlock data;

        if (juce::File ("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf").loadFileAsData (data))
            return juce::Typeface::createSystemTypefaceFor (data.getData(), data.getSize());

        return nullptr;
    }();

    const auto& face = bold ? boldFace : plainFace;
    juce::Font font = face != nullptr ? juce::Font (face) : juce::Font (juce::Font::getDefaultSansSerifFontName(), 10.0f, bold ? juce::Font::bold : 0);
    font.setHeight (height);
    return font;
}

void caption (juce::Graphics& g, const juce::String& text, juce::Rectangle<float> area, float height, juce::Colour colour, juce::Justification justification)
{
    auto font = captionFont (height);
    font.setExtraKerningFactor (0.08f);

    // A long caption is narrowed a little rather than cut or shrunk.
    if (const auto width = font.getStringWidthFloat (text); width > area.getWidth())
        font = font.withHorizontalScale (std::max (0.75f, area.getWidth() / width));

    g.setFont (font);
    g.setColour (colour);
    g.drawText (text, area, justification, true);
}

void captionBelow (juce::Graphics& g, const juce::String& text, juce::Rectangle<int> control, float gap)
{
    const auto r = control.toFloat();
    caption (g, text, { r.getX() - 20.0f, r.getBottom() + gap, r.getWidth() + 40.0f, 14.0f });
}

void captionAbove (juce::Graphics& g, const juce::String& text, juce::Rectangle<int> control, float gap)
{
    const auto r = control.toFloat();
    caption (g, text, { r.getX() - 20.0f, r.getY() - gap - 14.0f, r.getWidth() + 40.0f, 14.0f });
}

void lcdPanel (juce::Graphics& g, juce::Rectangle<int> area, float corner)
{
    const auto r = area.toFloat();

    // Bezel: a dark rim with a faint highlight at the bottom edge.
    g.setColour (juce::Colour (0xff05040a));
    g.fillRoundedRectangle (r.expanded (4.0f), corner + 3.0f);
    g.setColour (Palette::panelEdge.withAlpha (0.9f));
    g.drawRoundedRectangle (r.expanded (4.0f), corner + 3.0f, 1.0f);

    juce::ColourGradient glass (Palette::lcd.brighter (0.08f), r.getX(), r.getY(), Palette::lcd.darker (0.12f), r.getX(), r.getBottom(), false);
    g.setGradientFill (glass);
    g.fillRoundedRectangle (r, corner);

    // Inner shadow along the top edge.
    juce::ColourGradient shade (juce::Colour (0x40000000), r.getX(), r.getY(), juce::Colour (0x00000000), r.getX(), r.getY() + 6.0f, false);
    g.setGradientFill (shade);
    g.fillRoundedRectangle (r, corner);
}

void groupPanel (juce::Graphics& g, juce::Rectangle<float> area, const juce::String& title)
{
    juce::ColourGradient fill (Palette::panel.brighter (0.06f), area.getX(), area.getY(), Palette::panel.darker (0.3f), area.getX(), area.getBottom(), false);
    g.setGradientFill (fill);
    g.fillRoundedRectangle (area, 10.0f);
    g.setColour (Palette::panelEdge);
    g.drawRoundedRectangle (area.reduced (0.5f), 10.0f, 1.0f);

    if (title.isNotEmpty())
    {
        const auto bar = area.withHeight (20.0f).reduced (12.0f, 0.0f).translated (0.0f, 5.0f);
        caption (g, title, bar, Palette::smallestCaption, Palette::dimCaption, juce::Justification::centredLeft);
        g.setColour (Palette::accent.withAlpha (0.6f));
        g.fillRect (bar.getX(), bar.getBottom() + 1.0f, 28.0f, 2.0f);
    }
}

void windowBackground (juce::Graphics& g, int width, int height)
{
    juce::ColourGradient fill (Palette::backgroundTop, 0.0f, 0.0f, Palette::backgroundBottom, 0.0f, (float) height, false);
    g.setGradientFill (fill);
    g.fillRect (0, 0, width, height);

    // A faint diagonal sheen, so large areas do not look flat.
    juce::ColourGradient sheen (juce::Colour (0x0cffffff), 0.0f, 0.0f, juce::Colour (0x00ffffff), (float) width * 0.6f, (float) height, false);
    g.setGradientFill (sheen);
    g.fillRect (0, 0, width, height);
}

void productLogo (juce::Graphics& g, juce::Rectangle<float> area)
{
    auto font = captionFont (area.getHeight() * 0.62f);
    font.setExtraKerningFactor (0.12f);
    g.setFont (font);

    juce::ColourGradient ink (Palette::lcd, area.getX(), area.getY(), Palette::accent.brighter (0.4f), area.getRight(), area.getBottom(), false);
    g.setGradientFill (ink);
    g.drawText ("VANDORIUM", area.withTrimmedBottom (area.getHeight() * 0.22f), juce::Justification::centred, false);

    caption (g, "EDITOR  &  LIBRARIAN", area.withTrimmedTop (area.getHeight() * 0.72f), area.getHeight() * 0.2f, Palette::dimCaption);
}

void makerLogo (juce::Graphics& g, juce::Rectangle<float> area)
{
    const auto box = area.reduced (area.getWidth() * 0.12f, area.getHeight() * 0.14f);
    g.setColour (Palette::lcd);
    g.drawRoundedRectangle (box, 4.0f, 2.0f);

    auto font = captionFont (box.getHeight() * 0.62f);
    font.setExtraKerningFactor (0.18f);
    g.setFont (font);
    g.drawText ("BRAX", box, juce::Justification::centred, false);
}

void knob (juce::Graphics& g, juce::Rectangle<float> area, float proportion, bool big, bool fromCentre)
{
    const auto centre = area.getCentre();
    const auto radius = area.getWidth() * 0.5f;
    const auto start = juce::MathConstants<float>::pi * -0.75f;
    const auto end = juce::MathConstants<float>::pi * 0.75f;
    const auto angle = start + (end - start) * proportion;

    // Value track and arc.
    const auto arcRadius = radius * 0.86f;
    const auto arcWidth = radius * (big ? 0.085f : 0.1f);
    juce::Path track;
    track.addCentredArc (centre.x, centre.y, arcRadius, arcRadius, 0.0f, start, end, true);
    g.setColour (juce::Colour (0xff3a3258));
    g.strokePath (track, juce::PathStrokeType (arcWidth, juce::PathStrokeType::curved, juce::PathStrokeType::rounded));

    // A knob centred at zero lights the arc from the top; the frame nearest
    // the centre shows no arc at all, so zero never looks like a value.
    const auto arcFrom = fromCentre ? 0.0f : start;
    const auto lit = fromCentre ? std::abs (proportion - 0.5f) > 0.5f / (float) (DesignLayout::Strips::knobFrames - 1) : proportion > 0.0f;

    if (lit)
    {
        juce::Path value;
        value.addCentredArc (centre.x, centre.y, arcRadius, arcRadius, 0.0f, std::min (arcFrom, angle), std::max (arcFrom, angle), true);
        g.setColour (Palette::lcd.withAlpha (0.35f));
        g.strokePath (value, juce::PathStrokeType (arcWidth * 2.2f, juce::PathStrokeType::curved, juce::PathStrokeType::rounded));
        g.setColour (Palette::lcd);
        g.strokePath (value, juce::PathStrokeType (arcWidth, juce::PathStrokeType::curved, juce::PathStrokeType::rounded));
    }

    // Body: a dark cap with a soft top light.
    const auto bodyRadius = radius * 0.66f;
    const auto body = juce::Rectangle<float> (bodyRadius * 2.0f, bodyRadius * 2.0f).withCentre (centre);
    g.setColour (juce::Colour (0x90000000));
    g.fillEllipse (body.translated (0.0f, radius * 0.05f).expanded (radius * 0.03f));

    juce::ColourGradient cap (juce::Colour (0xff4a4066), centre.x, body.getY(), juce::Colour (0xff15111f), centre.x, body.getBottom(), false);
    g.setGradientFill (cap);
    g.fillEllipse (body);
    g.setColour (juce::Colour (0xff5c5280));
    g.drawEllipse (body.reduced (0.5f), radius * 0.025f);

    const auto inner = body.reduced (bodyRadius * 0.18f);
    juce::ColourGradient face (juce::Colour (0xff2c2540), centre.x, inner.getY(), juce::Colour (0xff1d182b), centre.x, inner.getBottom(), false);
    g.setGradientFill (face);
    g.fillEllipse (inner);

    // Pointer.
    const auto direction = juce::Point<float> (std::sin (angle), -std::cos (angle));
    const auto from = centre + direction * (bodyRadius * 0.35f);
    const auto to = centre + direction * (bodyRadius * 0.92f);
    g.setColour (juce::Colours::white.withAlpha (0.92f));
    g.drawLine ({ from, to }, radius * (big ? 0.07f : 0.085f));
}

void controlWell (juce::Graphics& g, juce::Rectangle<int> area)
{
    const auto r = area.toFloat();
    juce::ColourGradient well (juce::Colour (0x50000000), r.getCentreX(), r.getCentreY(), juce::Colour (0x00000000), r.getCentreX(), r.getY() - 4.0f, true);
    g.setGradientFill (well);
    g.fillEllipse (r.expanded (4.0f));
}
} // namespace Painter
