#include "ResourceLoader.h"

#include <array>
#include <thread>

#include "appearance/UiScale.h"
#include "model/AppFolders.h"

ResourceLoader::ResourceLoader (juce::File resourceFolder, ScaleSource scale, std::function<float()> ui)
    : folder (std::move (resourceFolder))
    , displayScale (std::move (scale))
    , uiScale (std::move (ui))
{
}

ResourceLoader& ResourceLoader::getInstance()
{
    static ResourceLoader instance (AppFolders::current().resources, &ResourceLoader::mainDisplayScale, &getUiScale);
    return instance;
}

double ResourceLoader::mainDisplayScale()
{
    if (auto* display = juce::Desktop::getInstance().getDisplays().getPrimaryDisplay())
        return display->scale;

    return 1.0;
}

const juce::File& ResourceLoader::getResourceFile (const juce::String& name, const juce::String& extension)
{
    if (const auto found = files.find (name); found != files.end())
        return found->second;

    auto file = folder.getChildFile (name + "." + extension);

    if (displayScale() > 1.0)
    {
        const auto doubleSize = folder.getChildFile (name + "@2x." + extension);

        if (doubleSize.existsAsFile())
            file = doubleSize;
    }

    return files.emplace (name, file).first->second;
}

juce::Image ResourceLoader::getResourceImage (const juce::String& name, const juce::String& extension)
{
    const auto& file = getResourceFile (name, extension);

    if (const auto found = preloading.find (name); found != preloading.end())
    {
        auto image = found->second.get();
        preloading.erase (found);

        // Kept where the framework's cache would have kept it.
        juce::ImageCache::addImageToCache (image, file.hashCode64());
        return image;
    }

    return juce::ImageCache::getFromFile (file);
}

void ResourceLoader::preloadImages (const juce::StringArray& names, const juce::String& extension)
{
    // Two workers, each decoding every other picture in the order given: the
    // first frame waits for all of them, so they share both cores.
    using Jobs = std::vector<std::pair<juce::File, std::promise<juce::Image>>>;
    std::array<std::shared_ptr<Jobs>, 2> jobs { std::make_shared<Jobs>(), std::make_shared<Jobs>() };
    size_t next = 0;

    for (const auto& name : names)
    {
        if (preloading.count (name) != 0)
            continue;

        auto& queue = *jobs[next++ % jobs.size()];
        queue.emplace_back (getResourceFile (name, extension), std::promise<juce::Image>());
        preloading.emplace (name, queue.back().second.get_future().share());
    }

    for (auto& queue : jobs)
        if (! queue->empty())
            workers.emplace_back ([queue]
                                  {
                                      for (auto& [file, promise] : *queue)
                                          promise.set_value (juce::ImageFileFormat::loadFrom (file)); });
}

void ResourceLoader::waitForImages() const
{
    for (const auto& [name, image] : preloading)
        image.wait();
}

ResourceLoader::~ResourceLoader()
{
    finishBackgroundWork();
}

void ResourceLoader::finishBackgroundWork()
{
    waitForTypefaces();

    for (auto& worker : workers)
        if (worker.joinable())
            worker.join();

    workers.clear();
    preloading.clear();
}

namespace
{
// The packed outlines when the folder has them: they load without the
// system's font machinery, whose first use scans every installed font. A
// missing file gives no typeface; the font then falls back to the default.
juce::Typeface::Ptr readTypeface (const juce::File& ttf)
{
    if (const auto packed = ttf.withFileExtension ("jucefont"); packed.existsAsFile())
        if (juce::FileInputStream in (packed); in.openedOk())
            if (juce::Typeface::Ptr typeface (new juce::CustomTypeface (in)); typeface->getAscent() > 0.0f)
                return typeface;

    juce::MemoryBlock data;
    ttf.loadFileAsData (data);
    return data.getSize() > 0 ? juce::Typeface::createSystemTypefaceFor (data.getData(), data.getSize()) : nullptr;
}
} // namespace

void ResourceLoader::preloadTypefaces (const juce::StringArray& names)
{
    // One worker, one typeface after the other: the framework's font
    // machinery must never run on two threads at once.
    using Jobs = std::vector<std::pair<juce::File, std::promise<juce::Typeface::Ptr>>>;
    auto jobs = std::make_shared<Jobs>();

    for (const auto& name : names)
    {
        if (typefaces.count (name) != 0 || typefacesLoading.count (name) != 0)
            continue;

        ++typefaceLoads;
        jobs->emplace_back (folder.getChildFile (name + ".ttf"), std::promise<juce::Typeface::Ptr>());
        typefacesLoading.emplace (name, jobs->back().second.get_future().share());
    }

    if (! jobs->empty())
        workers.emplace_back ([jobs]
                              {
                                  for (auto& [file, promise] : *jobs)
                                      promise.set_value (readTypeface (file)); });
}

void ResourceLoader::waitForTypefaces()
{
    for (auto& [name, loading] : typefacesLoading)
        typefaces.emplace (name, loading.get());

    typefacesLoading.clear();
}

juce::Font ResourceLoader::getResourceFont (const juce::String& name, float height)
{
    waitForTypefaces();
    auto found = typefaces.find (name);

    if (found == typefaces.end())
    {
        ++typefaceLoads;
        found = typefaces.emplace (name, readTypeface (folder.getChildFile (name + ".ttf"))).first;
    }

    juce::Font font;

    if (found->second != nullptr)
        font = juce::Font (found->second);

    font.setHeight (uiScale() * height);
    font.setStyleFlags (juce::Font::plain);
    return font;
}

void ResourceLoader::releaseTypefaces()
{
    finishBackgroundWork();
    typefaces.clear();
}

//==============================================================================
const juce::File& getResourceFile (const juce::String& name, const juce::String& extension)
{
    return ResourceLoader::getInstance().getResourceFile (name, extension);
}

juce::Image getResourceImage (const juce::String& name, const juce::String& extension)
{
    return ResourceLoader::getInstance().getResourceImage (name, extension);
}

juce::Font getResourceFont (const juce::String& name, float height)
{
    return ResourceLoader::getInstance().getResourceFont (name, height);
}

std::unique_ptr<juce::Drawable> getResourceDrawable (const juce::String& name, const juce::String& extension)
{
    if (const auto picture = getResourceImage (name, extension); picture.isValid())
        return std::make_unique<juce::DrawableImage> (picture);

    return nullptr;
}

juce::Font getFuturaFont (float height, bool bold)
{
    static const bool systemHasFutura = juce::Font::findAllTypefaceNames().contains ("Futura");

    if (systemHasFutura)
        return juce::Font ("Futura", height, bold ? juce::Font::bold : juce::Font::plain);

    return ResourceLoader::getInstance().getResourceFont (bold ? "BetecknaGS-Bold" : "BetecknaGS", 1.0f).withHeight (height);
}
