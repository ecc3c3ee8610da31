#include "ConnectionStatus.h"

#include "appearance/ResourceLoader.h"

#include "appearance/VandoriumLookAndFeel.h"

juce::String ConnectionStatus::getText() const
{
    switch (state)
    {
        case State::connected:
            return "VANDORIUM CONNECTED";
        case State::synchronising:
            return "SYNCHRONISING WITH THE VANDORIUM";
        case State::notConnected:
            break;
    }

    return "VANDORIUM NOT CONNECTED";
}

void ConnectionStatus::paint (juce::Graphics& g)
{
    const auto area = getLocalBounds().toFloat();
    const auto scale = area.getHeight() / 26.0f;

    // The lamp: the product's light colour when connected, amber while a
    // synchronisation runs, a dim red when the instrument is missing.
    const auto lampColour = state == State::connected       ? juce::Colour (VandoriumLookAndFeel::lightColour)
                            : state == State::synchronising ? juce::Colour (0xffe8b04a)
                                                            : juce::Colour (0xffd0605e);
    const auto lampSize = 9.0f * scale;
    const auto text = getText();
    const auto font = getResourceFont ("CaptionBold", 12.0f).withHeight (12.0f * scale);
    const auto textWidth = font.getStringWidthFloat (text) + 2.0f;
    const auto totalWidth = lampSize + 8.0f * scale + textWidth;
    auto x = area.getCentreX() - totalWidth / 2.0f;

    const juce::Rectangle<float> lamp (x, area.getCentreY() - lampSize / 2.0f, lampSize, lampSize);
    g.setColour (lampColour.withAlpha (0.25f));
    g.fillEllipse (lamp.expanded (3.0f * scale));
    g.setColour (lampColour);
    g.fillEllipse (lamp);

    x += lampSize + 8.0f * scale;
    g.setFont (font);
    g.setColour (state == State::notConnected ? juce::Colour (0xffe9b8b6) : juce::Colour (0xffe6e2f5));
    g.drawText (text, juce::Rectangle<float> (x, area.getY(), textWidth, area.getHeight()), juce::Justification::centredLeft, false);
}
