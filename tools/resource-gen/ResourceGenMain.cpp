// Draws every picture of the resource folder, at the design size and at
// twice that size ("@2x"), from the same layout tables the windows use.

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
    juce::FileOutputStream out (file);
    juce::PNGImageFormat png;
    return out.openedOk() && png.writeImageToStream (image, out);
}
} // namespace

int main (int argc, char* argv[])
{
    if (argc != 2)
    {
        std::cerr << "usage: vandorium-resource-gen OUTPUT_FOLDER" << std::endl;
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
