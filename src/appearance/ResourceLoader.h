#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <future>
#include <thread>
#include <vector>

#include <functional>
#include <map>

/** Turns short resource names ("Knob", "LCDFont") into the files, images and
    fonts of the folder "Resources" beside the executable, picking "@2x"
    pictures on a high-density main display. What it resolves is kept for
    the life of the process.
*/
class ResourceLoader final
{
public:
    //==============================================================================
    /** The display scale of the main display; 1.0 without a display. */
    using ScaleSource = std::function<double()>;

    ResourceLoader (juce::File resourceFolder, ScaleSource displayScale, std::function<float()> uiScale);
    ~ResourceLoader();

    /** The process-wide loader: the process's resource folder, the real
        display and the editor's UI scale.
    */
    static ResourceLoader& getInstance();

    /** The file chosen for a name on its first request; later requests get
        the same file whatever extension they ask for.
    */
    const juce::File& getResourceFile (const juce::String& name, const juce::String& extension);

    /** The decoded picture of getResourceFile (null when missing or undecodable). */
    juce::Image getResourceImage (const juce::String& name, const juce::String& extension);

    /** Starts decoding pictures on worker threads while the caller goes on
        (the window's first frame needs them); getResourceImage of one of
        them then waits for it instead of decoding it again.
    */
    void preloadImages (const juce::StringArray& names, const juce::String& extension);

    /** Starts reading typefaces, in order, on one worker thread. A face read
        from a ".ttf" goes through the framework's font machinery, which is not
        safe on two threads at once: waitForTypefaces must run before anything
        else uses a font.
    */
    void preloadTypefaces (const juce::StringArray& names);
    void waitForTypefaces();

    /** Waits until every picture being preloaded is decoded; they stay ready. */
    void waitForImages() const;

    /** Waits for every worker (at shutdown, and before the loader goes). */
    void finishBackgroundWork();

    /** A plain font on the typeface "name.ttf", at the design height times the UI scale. */
    juce::Font getResourceFont (const juce::String& name, float height);

    /** Releases every cached typeface (at shutdown). */
    void releaseTypefaces();

    juce::File getResourceFolder() const { return folder; }

    /** How many times a typeface file was read (for tests). */
    int getNumTypefaceLoads() const noexcept { return typefaceLoads; }

    /** The main display's scale factor, 1.0 without a display. */
    static double mainDisplayScale();

private:
    juce::File folder;
    ScaleSource displayScale;
    std::function<float()> uiScale;
    std::map<juce::String, juce::File> files;
    std::map<juce::String, juce::Typeface::Ptr> typefaces;
    std::map<juce::String, std::shared_future<juce::Image>> preloading;
    std::map<juce::String, std::shared_future<juce::Typeface::Ptr>> typefacesLoading;
    std::vector<std::thread> workers;
    int typefaceLoads = 0;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ResourceLoader)
};

//==============================================================================
/** The process-wide loader's operations, as the components call them. */
const juce::File& getResourceFile (const juce::String& name, const juce::String& extension);
juce::Image getResourceImage (const juce::String& name, const juce::String& extension);
juce::Font getResourceFont (const juce::String& name, float height);

/** A window's background picture as a drawable, decoded once for every
    opening (through getResourceImage); nullptr when it cannot be loaded.
*/
std::unique_ptr<juce::Drawable> getResourceDrawable (const juce::String& name, const juce::String& extension);

/** The captions' typeface "Futura" at a pixel height: the system's own when
    it has one, otherwise the geometric face of that family shipped in the
    resource folder ("BetecknaGS").
*/
juce::Font getFuturaFont (float height, bool bold = false);
