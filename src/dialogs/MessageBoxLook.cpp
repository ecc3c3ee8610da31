#include "MessageBoxLook.h"

#include "appearance/ProductPalette.h"
#include "appearance/ResourceLoader.h"

namespace
{
/** A title bar's close button: a light cross, lit on hover. */
class CloseButton final : public juce::Button
{
public:
    CloseButton()
        : juce::Button ("close")
    {
    }

    void paintButton (juce::Graphics& g, bool isMouseOver, bool isButtonDown) override
    {
        const auto r = getLocalBounds().toFloat().reduced ((float) getHeight() * 0.3f);
        g.setColour (isButtonDown ? ProductPalette::accent : isMouseOver ? ProductPalette::lcd
                                                                         : ProductPalette::dimCaption);
        g.drawLine ({ r.getTopLeft(), r.getBottomRight() }, 2.0f);
        g.drawLine ({ r.getBottomLeft(), r.getTopRight() }, 2.0f);
    }
};
} // namespace

MessageBoxLook::MessageBoxLook()
{
    using namespace ProductPalette;
    setColour (juce::AlertWindow::backgroundColourId, panel);
    setColour (juce::AlertWindow::textColourId, caption);
    setColour (juce::AlertWindow::outlineColourId, panelEdge);
    setColour (juce::TextButton::buttonColourId, panel);
    setColour (juce::TextButton::textColourOffId, caption);
    setColour (juce::TextButton::textColourOnId, caption);
    setColour (juce::TextEditor::backgroundColourId, lcd);
    setColour (juce::TextEditor::textColourId, lcdText);
    setColour (juce::TextEditor::highlightColourId, lcdText.withAlpha (0.3f));
    setColour (juce::TextEditor::highlightedTextColourId, lcdText);
    setColour (juce::TextEditor::outlineColourId, panelEdge);
    setColour (juce::TextEditor::focusedOutlineColourId, accent);
    setColour (juce::CaretComponent::caretColourId, lcdText);
}

void MessageBoxLook::drawAlertBox (juce::Graphics& g, juce::AlertWindow& alert, const juce::Rectangle<int>&, juce::TextLayout&)
{
    using namespace ProductPalette;
    const auto bounds = alert.getLocalBounds().toFloat();

    juce::ColourGradient fill (backgroundTop.brighter (0.08f), 0.0f, 0.0f, backgroundBottom, 0.0f, bounds.getHeight(), false);
    g.setGradientFill (fill);
    g.fillRoundedRectangle (bounds, 8.0f);
    g.setColour (accent.withAlpha (0.7f));
    g.drawRoundedRectangle (bounds.reduced (0.75f), 8.0f, 1.5f);

    // The title, in line with the body below it, over a thin accent rule.
    const auto left = (float) alert.proportionOfWidth (0.1f);
    g.setColour (caption);
    g.setFont (getAlertWindowTitleFont());
    g.drawText (alert.getName(), juce::Rectangle<float> (left, 12.0f, bounds.getWidth() - 2.0f * left, 28.0f), juce::Justification::centredLeft, true);
    g.setColour (accent.withAlpha (0.5f));
    g.fillRect (left, 42.0f, bounds.getWidth() - 2.0f * left, 1.0f);
}

juce::Font MessageBoxLook::getAlertWindowTitleFont()
{
    return getFuturaFont (20.0f, true);
}

juce::Font MessageBoxLook::getAlertWindowMessageFont()
{
    return juce::Font (15.0f);
}

juce::Font MessageBoxLook::getAlertWindowFont()
{
    return juce::Font (14.0f);
}

int MessageBoxLook::getAlertWindowButtonHeight()
{
    return 34;
}

void MessageBoxLook::drawButtonBackground (juce::Graphics& g, juce::Button& button, const juce::Colour&, bool isMouseOverButton, bool isButtonDown)
{
    using namespace ProductPalette;
    const auto r = button.getLocalBounds().toFloat().reduced (1.0f);

    // The program's command buttons: a raised dark violet key with a light edge.
    juce::ColourGradient fill (juce::Colour (0xff3a3160).brighter (isMouseOverButton ? 0.15f : 0.0f), 0.0f, r.getY(), juce::Colour (0xff1c1733), 0.0f, r.getBottom(), false);

    if (isButtonDown)
        fill = juce::ColourGradient (juce::Colour (0xff16122a), 0.0f, r.getY(), juce::Colour (0xff2c2548), 0.0f, r.getBottom(), false);

    g.setGradientFill (fill);
    g.fillRoundedRectangle (r, 6.0f);
    g.setColour (button.hasKeyboardFocus (false) ? lcd : panelEdge.brighter (0.4f));
    g.drawRoundedRectangle (r, 6.0f, 1.2f);
}

juce::Font MessageBoxLook::getTextButtonFont (juce::TextButton&, int)
{
    return getFuturaFont (15.0f, true);
}

void MessageBoxLook::fillTextEditorBackground (juce::Graphics& g, int width, int height, juce::TextEditor&)
{
    g.setColour (ProductPalette::lcd);
    g.fillRoundedRectangle (0.0f, 0.0f, (float) width, (float) height, 3.0f);
}

void MessageBoxLook::drawTextEditorOutline (juce::Graphics& g, int width, int height, juce::TextEditor& editor)
{
    g.setColour (editor.hasKeyboardFocus (true) ? ProductPalette::accent : ProductPalette::panelEdge);
    g.drawRoundedRectangle (0.5f, 0.5f, (float) width - 1.0f, (float) height - 1.0f, 3.0f, 1.5f);
}

void MessageBoxLook::drawDocumentWindowTitleBar (juce::DocumentWindow& window, juce::Graphics& g, int w, int h, int, int, const juce::Image*, bool)
{
    using namespace ProductPalette;
    juce::ColourGradient fill (panelEdge.darker (0.2f), 0.0f, 0.0f, panel, 0.0f, (float) h, false);
    g.setGradientFill (fill);
    g.fillRect (0, 0, w, h);
    g.setColour (accent.withAlpha (0.6f));
    g.fillRect (0, h - 1, w, 1);

    g.setColour (window.isActiveWindow() ? caption : dimCaption);
    // The captions' face, as in the pictures, and not the system's: the
    // window's title must not wait for the framework's scan of every font.
    g.setFont (getResourceFont ("CaptionBold", 1.0f).withHeight ((float) h * 0.55f));
    g.drawText (window.getName(), 0, 0, w, h, juce::Justification::centred, true);
}

juce::Button* MessageBoxLook::createDocumentWindowButton (int buttonType)
{
    if (buttonType == juce::DocumentWindow::closeButton)
        return new CloseButton();

    return juce::LookAndFeel_V4::createDocumentWindowButton (buttonType);
}
