#include "VandoriumLookAndFeel.h"

#include "model/ParameterTable.h"

#include "ResourceLoader.h"
#include "TextWrap.h"

VandoriumLookAndFeel::VandoriumLookAndFeel()
{
    setColour (juce::PopupMenu::textColourId, juce::Colour (darkColour));
    // Transparent, so the rounded corners of the menu background show through.
    setColour (juce::PopupMenu::backgroundColourId, juce::Colour (0x00000000));
    setColour (juce::PopupMenu::highlightedBackgroundColourId, juce::Colour (darkColour));
    setColour (juce::PopupMenu::highlightedTextColourId, juce::Colour (lightColour));
}

VandoriumLookAndFeel::~VandoriumLookAndFeel()
{
    knobImage = {};
}

void VandoriumLookAndFeel::setKnobImage (const juce::File& file, int frames)
{
    setKnobImage (juce::ImageCache::getFromFile (file), frames);
}

void VandoriumLookAndFeel::setKnobImage (const juce::Image& image, int frames)
{
    frameCount = frames;
    knobImage = image;
}

juce::Font VandoriumLookAndFeel::lcdFont()
{
    return getResourceFont ("LCDFont", 18.0f);
}

//==============================================================================
int VandoriumLookAndFeel::frameForPosition (float proportion) const noexcept
{
    return (int) (juce::uint16) (int) (proportion * (float) (frameCount - 1) + 0.5f);
}

void VandoriumLookAndFeel::setBipolarKnobImage (const juce::File& file)
{
    setBipolarKnobImage (juce::ImageCache::getFromFile (file));
}

void VandoriumLookAndFeel::setBipolarKnobImage (const juce::Image& image)
{
    bipolarKnobImage = image;
}

bool VandoriumLookAndFeel::isCentredAtZero (const juce::Slider& slider)
{
    const auto* parameter = ParameterTable::find (slider.getName());
    return parameter != nullptr && parameter->tooltip.has_value() && parameter->tooltip->minimum < 0.0 && parameter->tooltip->maximum > 0.0;
}

const juce::Image& VandoriumLookAndFeel::knobImageFor (const juce::Slider& slider) const noexcept
{
    return bipolarKnobImage.isValid() && isCentredAtZero (slider) ? bipolarKnobImage : knobImage;
}

void VandoriumLookAndFeel::drawRotarySlider (juce::Graphics& g, int x, int y, int width, int height, float position, float, float, juce::Slider& slider)
{
    const auto& image = knobImageFor (slider);

    if (! image.isValid() || frameCount <= 0)
        return;

    const auto w = image.getWidth();
    const auto h = image.getHeight();
    const auto frame = frameForPosition (position);

    g.drawImage (image, x, y, width, height, 0, frame * h / frameCount, w, h / frameCount);
}

int VandoriumLookAndFeel::getSliderThumbRadius (juce::Slider&)
{
    return knobImage.getWidth() / 2;
}

//==============================================================================
void VandoriumLookAndFeel::drawImageButton (juce::Graphics& g, juce::Image* image, int, int, int, int, const juce::Colour&, float, juce::ImageButton& button)
{
    if (image == nullptr || ! image->isValid())
        return;

    const bool pressed = button.getState() == juce::Button::buttonDown;
    const bool invert = (bool) button.getProperties().getWithDefault ("invert", false);
    const auto half = image->getHeight() / 2;

    g.drawImage (*image, 0, 0, button.getWidth(), button.getHeight(), 0, pressed != invert ? half : 0, image->getWidth(), half);
}

void VandoriumLookAndFeel::drawToggleButton (juce::Graphics& g, juce::ToggleButton& button, bool, bool)
{
    if (! knobImage.isValid())
        return;

    const auto half = knobImage.getHeight() / 2;
    g.drawImage (knobImage, 0, 0, button.getWidth(), button.getHeight(), 0, button.getToggleState() ? half : 0, knobImage.getWidth(), half);
}

//==============================================================================
void VandoriumLookAndFeel::drawScrollbar (juce::Graphics& g, juce::ScrollBar&, int x, int, int width, int height, bool, int thumbStart, int thumbSize, bool, bool)
{
    if (! knobImage.isValid())
        return;

    auto p = (double) thumbStart / (double) (height - thumbSize);

    if (std::isnan (p) || std::isinf (p))
        p = 0.0;

    const auto half = knobImage.getHeight() / 2;
    const auto thumbY = (int) ((double) (height - half - 6) * p + 2.0);

    g.drawImage (knobImage, x + 1, thumbY, width - 4, half, 0, 0, knobImage.getWidth(), knobImage.getHeight());
}

int VandoriumLookAndFeel::getMinimumScrollbarThumbSize (juce::ScrollBar&)
{
    return knobImage.getHeight() / 2;
}

//==============================================================================
void VandoriumLookAndFeel::drawPopupMenuBackground (juce::Graphics& g, int width, int height)
{
    g.setColour (juce::Colour (lightColour));
    g.fillRoundedRectangle (1.0f, 1.0f, (float) width - 2.0f, (float) height - 2.0f, 10.0f);
}

void VandoriumLookAndFeel::drawPopupMenuItem (juce::Graphics& g, const juce::Rectangle<int>& area, bool, bool, bool, bool isTicked, bool, const juce::String& text, const juce::String&, const juce::Drawable*, const juce::Colour*)
{
    g.setFont (lcdFont());

    if (isTicked)
    {
        g.setColour (juce::Colour (darkColour));
        g.fillRect (area.getX() + 12, area.getY() + 1, area.getWidth() - 24, area.getHeight() - 2);
        g.setColour (juce::Colour (lightColour));
    }
    else
    {
        g.setColour (juce::Colour (darkColour));
    }

    g.drawText (text, area, juce::Justification::centred, false);
}

juce::Font VandoriumLookAndFeel::getPopupMenuFont()
{
    return lcdFont();
}

//==============================================================================
void VandoriumLookAndFeel::drawComboBox (juce::Graphics&, int, int, bool, int, int, int, int, juce::ComboBox&)
{
}

juce::Font VandoriumLookAndFeel::getComboBoxFont (juce::ComboBox&)
{
    return lcdFont();
}

void VandoriumLookAndFeel::positionComboBoxText (juce::ComboBox& box, juce::Label& label)
{
    juce::LookAndFeel_V2::positionComboBoxText (box, label);
    label.setColour (juce::Label::textColourId, juce::Colour (darkColour));
    label.setBounds (label.getX(), label.getY(), box.getWidth(), box.getHeight());
}

//==============================================================================
juce::StringArray VandoriumLookAndFeel::tooltipLines (const juce::String& tipText)
{
    const auto font = lcdFont();
    const auto maxWidth = maxTooltipWidth * font.getHeight() / 18.0f;
    juce::StringArray lines;

    // Short tips stay on one line; a long one wraps at word boundaries
    // instead of stretching across the window.
    for (const auto& paragraph : juce::StringArray::fromLines (tipText))
        lines.addArray (fillLinesWithWords (juce::StringArray::fromTokens (paragraph, " ", {}), font, maxWidth));

    return lines;
}

juce::Point<int> VandoriumLookAndFeel::tooltipSize (const juce::String& tipText)
{
    const auto font = lcdFont();
    const auto lines = tooltipLines (tipText);
    float widest = 0.0f;

    for (const auto& line : lines)
        widest = std::max (widest, font.getStringWidthFloat (line));

    return { juce::roundToInt (widest) + 8, (int) (font.getHeight() * (float) lines.size() + 2.0f) };
}

juce::Rectangle<int> VandoriumLookAndFeel::getTooltipBounds (const juce::String& tipText, juce::Point<int> screenPos, juce::Rectangle<int> parentArea)
{
    // The framework's placement (below right of the pointer, flipped at the
    // edges) with this look's size.
    const auto size = tooltipSize (tipText);
    const auto w = size.x, h = size.y;

    return juce::Rectangle<int> (screenPos.x > parentArea.getCentreX() ? screenPos.x - (w + 12) : screenPos.x + 24,
                                 screenPos.y > parentArea.getCentreY() ? screenPos.y - (h + 6) : screenPos.y + 6,
                                 w,
                                 h)
        .constrainedWithin (parentArea);
}

void VandoriumLookAndFeel::drawTooltip (juce::Graphics& g, const juce::String& text, int width, int height)
{
    g.setColour (juce::Colour (lightColour));
    g.fillRoundedRectangle (0.0f, 0.0f, (float) width, (float) height, 3.0f);
    g.setColour (juce::Colour (darkColour));
    const auto font = lcdFont();
    g.setFont (font);

    const auto lines = tooltipLines (text);
    const auto lineHeight = font.getHeight();
    auto y = ((float) height - lineHeight * (float) lines.size()) * 0.5f;

    for (const auto& line : lines)
    {
        g.drawText (line, juce::Rectangle<float> (0.0f, y, (float) width, lineHeight), juce::Justification::centred, false);
        y += lineHeight;
    }
}

//==============================================================================
int VandoriumLookAndFeel::highlightedSpoke (double progress) noexcept
{
    const auto k = (int) (progress * 8.0);
    return k >= 0 && k < 8 && progress >= 0.0 ? k : -1;
}

void VandoriumLookAndFeel::drawProgressBar (juce::Graphics& g, juce::ProgressBar& bar, int width, int height, double progress, const juce::String&)
{
    const auto colour = bar.findColour (juce::ProgressBar::foregroundColourId);
    const auto highlighted = highlightedSpoke (progress);
    const auto w = (float) width, h = (float) height;

    for (int i = 0; i < 8; ++i)
    {
        const auto angle = (float) i * 6.2831855f * 0.125f;
        const auto c = std::cos (angle), s = std::sin (angle);

        g.setColour (colour.withAlpha ((juce::uint8) (i == highlighted ? 255 : 128)));
        g.drawLine (0.5f * w + 0.2f * w * c, 0.5f * h + 0.2f * h * s, 0.5f * w + 0.45f * w * c, 0.5f * h + 0.45f * h * s, 2.0f);
    }
}
