#include "dialogs/MessageBody.h"

#include <gtest/gtest.h>

namespace
{
const juce::String alertText = "The Vandorium is not connected to this computer.\n\nCheck the USB cable connection between the computer and the Vandorium\n"
                               "and make sure the Vandorium is powered ON, then click on \"Retry\", or use\nthe editor without Vandorium's connection.";
} // namespace

TEST (MessageBody, KeepsTheMessagesOwnLineBreaksOnAnOrdinaryScreen)
{
    // A 1280-pixel display, and a small 1024-pixel one.
    for (const auto screenWidth : { 1280, 1024 })
    {
        const auto maxWidth = (int) ((float) screenWidth * 0.7f * 0.8f) - 8;
        const MessageBody body (MessageBody::Icon::warning, alertText, maxWidth);

        EXPECT_EQ (body.getLines(), juce::StringArray::fromLines (alertText)) << screenWidth;
        EXPECT_LE (body.getWidth(), maxWidth);
        EXPECT_GE (body.getHeight(), MessageBody::iconSize) << "the icon is drawn whole";
    }
}

TEST (MessageBody, WrapsOnlyALineTheScreenCannotHoldIntoBalancedLines)
{
    const auto font = MessageBody::messageFont();

    for (const auto width : { 420.0f, 300.0f, 180.0f })
    {
        SCOPED_TRACE (width);
        const auto lines = MessageBody::layoutLines (alertText, font, width);

        // Every word is kept, in order, and every line fits.
        EXPECT_EQ (lines.joinIntoString (" ").removeCharacters (" "), alertText.removeCharacters (" \n"));

        for (const auto& line : lines)
            EXPECT_LE (font.getStringWidthFloat (line), width) << line;

        // A wrapped sentence never leaves one word alone on a line.
        for (int i = 1; i < lines.size(); ++i)
            if (lines[i].isNotEmpty() && ! lines[i].containsChar (' '))
                ADD_FAILURE() << "a lone word: '" << lines[i] << "'";
    }

    // The short first line is never wrapped.
    EXPECT_EQ (MessageBody::layoutLines (alertText, font, 420.0f)[0], "The Vandorium is not connected to this computer.");
}
