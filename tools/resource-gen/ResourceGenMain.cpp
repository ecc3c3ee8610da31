// Draws every picture of the resource folder, at the design size and at
// twice that size ("@2x"), from the same layout tables the windows use.

#include "FastPng.h"
#include "Pictures.h"

#include <juce_events/juce_events.h>

#include <iostream>

namespace
{
bool writePicture (const Picture& picture, const juce::File& folder, int scale)
{
    juce::Image image (juce::Image::ARGB, picture.width * scale, picture.height * scale, true);

    {
        juce::Graphics g (image);
        g.addTransform (juce::AffineTransform::scale ((float) scale));
        picture.draw (g);
    }

    const auto file = folder.getChildFile (picture.name + (scale == 2 ? "@2x" : "") + ".png");
    file.deleteFile();

    // What the main window's first frame shows is stored for decoding speed.
    if (scale == 1 && juce::StringArray ({ "Editor_BASIC", "Knob Big", "Knob Big Bipolar" }).contains (picture.name))
        return writeFastDecodingPng (image, file);

    juce::FileOutputStream out (file);
    juce::PNGImageFormat png;
    return out.openedOk() && png.writeImageToStream (image, out);
}
} // namespace

/** The desktop's icon in the sizes of the hicolor theme: SIZExSIZE/apps/NAME.png. */
int writeIcons (const juce::File& folder, const juce::String& name)
{
    int failures = 0;

    for (const auto size : { 16, 22, 24, 32, 48, 64, 128, 256 })
    {
        juce::Image image (juce::Image::ARGB, size, size, true);

        {
            juce::Graphics g (image);
            drawApplicationIcon (g, (float) size);
        }

        const auto file = folder.getChildFile (juce::String (size) + "x" + juce::String (size)).getChildFile ("apps").getChildFile (name + ".png");
        file.getParentDirectory().createDirectory();
        file.deleteFile();
        juce::FileOutputStream out (file);
        juce::PNGImageFormat png;

        if (! out.openedOk() || ! png.writeImageToStream (image, out))
        {
            std::cerr << "cannot write " << file.getFullPathName() << std::endl;
            ++failures;
        }
    }

    return failures == 0 ? 0 : 1;
}

/** A typeface as the framework's own outline format (glyph paths and
    kerning, compressed): it loads without the system's font machinery, whose
    first use scans every installed font.
*/
int packTypeface (const juce::File& ttf, const juce::String& family, const juce::File& output)
{
    juce::MemoryBlock data;

    if (! ttf.loadFileAsData (data))
    {
        std::cerr << "cannot read " << ttf.getFullPathName() << std::endl;
        return 1;
    }

    const auto source = juce::Typeface::createSystemTypefaceFor (data.getData(), data.getSize());

    if (source == nullptr)
    {
        std::cerr << ttf.getFullPathName() << " is not a typeface" << std::endl;
        return 1;
    }

    // Plain style under its own family name: the editor asks for it by
    // typeface, never by name, and a style change would lose it.
    juce::CustomTypeface packed;
    packed.setCharacteristics (family, source->getAscent(), false, false, '?');
    packed.addGlyphsFromOtherTypeface (*source, 0x20, 0xff - 0x20 + 1);

    output.deleteFile();
    juce::FileOutputStream out (output);
    return out.openedOk() && packed.writeToStream (out) ? 0 : 1;
}

int main (int argc, char* argv[])
{
    if (argc == 5 && juce::String (argv[1]) == "--typeface")
    {
        juce::ScopedJuceInitialiser_GUI framework;
        const auto cwd = juce::File::getCurrentWorkingDirectory();
        return packTypeface (cwd.getChildFile (argv[2]), argv[3], cwd.getChildFile (argv[4]));
    }

    if (argc == 4 && juce::String (argv[1]) == "--icons")
    {
        juce::ScopedJuceInitialiser_GUI framework;
        return writeIcons (juce::File::getCurrentWorkingDirectory().getChildFile (argv[2]), argv[3]);
    }

    if (argc != 2)
    {
        std::cerr << "usage: vandorium-resource-gen OUTPUT_FOLDER\n       vandorium-resource-gen --icons HICOLOR_FOLDER NAME\n       vandorium-resource-gen --typeface TTF FAMILY OUTPUT.jucefont" << std::endl;
        return 2;
    }

    juce::ScopedJuceInitialiser_GUI framework;
    const auto folder = juce::File::getCurrentWorkingDirectory().getChildFile (argv[1]);
    folder.createDirectory();

    auto pictures = backgroundPictures();

    for (auto& strip : stripPictures())
        pictures.push_back (std::move (strip));

    int failures = 0;

    for (const auto& picture : pictures)
        for (const auto scale : { 1, 2 })
            if (! writePicture (picture, folder, scale))
            {
                std::cerr << "cannot write " << picture.name << std::endl;
                ++failures;
            }

    return failures == 0 ? 0 : 1;
}
