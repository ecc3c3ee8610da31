#include "appearance/ResourceLoader.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace
{
struct LoaderRig
{
    explicit LoaderRig (double displayScale)
        : loader (
            temp.resources(),
            [displayScale]
            { return displayScale; },
            [this]
            { return uiScale; })
    {
    }

    void addFile (const juce::String& fileName) const
    {
        juce::Image image (juce::Image::ARGB, 4, 4, true);
        juce::FileOutputStream out (temp.resources().getChildFile (fileName));
        juce::PNGImageFormat().writeImageToStream (image, out);
    }

    TempFolder temp;
    float uiScale = 0.5f;
    ResourceLoader loader;
};
} // namespace

TEST (ResourceLoader, ChoosesDoubleSizePicturesOnlyOnHighDensityDisplays)
{
    LoaderRig dense (1.25);
    dense.addFile ("Both.png");
    dense.addFile ("Both@2x.png");
    dense.addFile ("Plain.png");

    EXPECT_EQ (dense.loader.getResourceFile ("Both", "png").getFileName(), "Both@2x.png");
    EXPECT_EQ (dense.loader.getResourceFile ("Plain", "png").getFileName(), "Plain.png");
    EXPECT_EQ (dense.loader.getResourceFile ("Missing", "png").getFileName(), "Missing.png");
    EXPECT_FALSE (dense.loader.getResourceImage ("Missing", "png").isValid());
    EXPECT_TRUE (dense.loader.getResourceImage ("Both", "png").isValid());

    // The first request decides, whatever extension a later one asks for.
    EXPECT_EQ (dense.loader.getResourceFile ("Both", "jpg").getFileName(), "Both@2x.png");

    LoaderRig normal (1.0);
    normal.addFile ("Both.png");
    normal.addFile ("Both@2x.png");
    EXPECT_EQ (normal.loader.getResourceFile ("Both", "png").getFileName(), "Both.png");
}

TEST (ResourceLoader, ReadsEachTypefaceOnceAndScalesItsHeight)
{
    LoaderRig rig (1.0);
    ASSERT_TRUE (juce::File (VANDORIUM_BUILT_RESOURCES).getChildFile ("LCDFont.ttf").copyFileTo (rig.temp.resources().getChildFile ("LCDFont.ttf")));

    const auto small = rig.loader.getResourceFont ("LCDFont", 17.0f);
    const auto large = rig.loader.getResourceFont ("LCDFont", 18.0f);
    EXPECT_EQ (rig.loader.getNumTypefaceLoads(), 1);
    EXPECT_FLOAT_EQ (small.getHeight(), 8.5f);
    EXPECT_FLOAT_EQ (large.getHeight(), 9.0f);
    EXPECT_EQ (small.getTypefaceName(), "Vandorium LCD");
    EXPECT_FALSE (large.isBold());

    // A missing file still gives a usable font.
    const auto fallback = rig.loader.getResourceFont ("NoSuchFont", 18.0f);
    EXPECT_FLOAT_EQ (fallback.getHeight(), 9.0f);
    EXPECT_GT (fallback.getStringWidthFloat ("TEXT"), 0.0f);

    rig.loader.releaseTypefaces();
    rig.loader.getResourceFont ("LCDFont", 18.0f);
    EXPECT_EQ (rig.loader.getNumTypefaceLoads(), 3);
}

TEST (ResourceLoader, PreloadedPicturesAndTypefacesAreReadOnceInTheBackground)
{
    LoaderRig rig (1.0);
    rig.addFile ("Early.png");
    ASSERT_TRUE (juce::File (VANDORIUM_BUILT_RESOURCES).getChildFile ("LCDFont.ttf").copyFileTo (rig.temp.resources().getChildFile ("LCDFont.ttf")));

    rig.loader.preloadTypefaces ({ "LCDFont" });
    rig.loader.preloadImages ({ "Early", "Missing" }, "png");
    rig.loader.waitForTypefaces();
    rig.loader.waitForImages();

    // Gone from the folder: what the editor gets now can only be what the
    // workers read.
    rig.temp.resources().getChildFile ("Early.png").deleteFile();
    rig.temp.resources().getChildFile ("LCDFont.ttf").deleteFile();

    const auto early = rig.loader.getResourceImage ("Early", "png");
    EXPECT_TRUE (early.isValid());
    EXPECT_EQ (early.getWidth(), 4);
    EXPECT_FALSE (rig.loader.getResourceImage ("Missing", "png").isValid());

    // The typeface read in the background serves the request: no second read.
    const auto font = rig.loader.getResourceFont ("LCDFont", 17.0f);
    EXPECT_EQ (rig.loader.getNumTypefaceLoads(), 1);
    EXPECT_FLOAT_EQ (font.getHeight(), 17.0f * rig.uiScale);
}
