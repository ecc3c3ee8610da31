#include "FastPng.h"

#include <png.h>

#include <cstdio>
#include <vector>

bool writeFastDecodingPng (const juce::Image& image, const juce::File& file)
{
    auto* out = std::fopen (file.getFullPathName().toRawUTF8(), "wb");

    if (out == nullptr)
        return false;

    // Everything with a destructor exists before libpng may jump back here.
    const auto w = image.getWidth(), h = image.getHeight();
    const juce::Image::BitmapData pixels (image, juce::Image::BitmapData::readOnly);
    std::vector<png_byte> row ((size_t) w * 4);

    auto* png = png_create_write_struct (PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    auto* info = png != nullptr ? png_create_info_struct (png) : nullptr;
    volatile bool ok = false;

    if (info != nullptr && setjmp (png_jmpbuf (png)) == 0)
    {
        png_init_io (png, out);
        png_set_IHDR (png, info, (png_uint_32) w, (png_uint_32) h, 8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);

        // Stored, unfiltered rows: decoding is little more than a copy.
        png_set_compression_level (png, 0);
        png_set_filter (png, 0, PNG_FILTER_NONE);
        png_write_info (png, info);

        for (int y = 0; y < h; ++y)
        {
            for (int x = 0; x < w; ++x)
            {
                const auto c = pixels.getPixelColour (x, y);
                auto* p = row.data() + (size_t) x * 4;
                p[0] = c.getRed();
                p[1] = c.getGreen();
                p[2] = c.getBlue();
                p[3] = c.getAlpha();
            }

            png_write_row (png, row.data());
        }

        png_write_end (png, nullptr);
        ok = true;
    }

    png_destroy_write_struct (&png, &info);
    return std::fclose (out) == 0 && ok;
}
