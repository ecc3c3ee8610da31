#include "XmlFile.h"

#include "Utf8Text.h"

namespace
{
// Entity references decoded, attribute white space as XML prescribes, line
// ends normalised; text, comments and declarations are not kept.
constexpr unsigned int parseOptions = pugi::parse_escapes | pugi::parse_wconv_attribute | pugi::parse_eol;

int lineAt (const char* data, size_t size, ptrdiff_t offset)
{
    const auto end = (size_t) std::clamp<ptrdiff_t> (offset, 0, (ptrdiff_t) size);
    return 1 + (int) std::count (data, data + end, '\n');
}

pugi::xml_node nextElement (pugi::xml_node node)
{
    while (node && node.type() != pugi::node_element)
        node = node.next_sibling();

    return node;
}

/** Depth of the deepest element, without recursion; stops past the limit. */
int depthOf (const pugi::xml_node& root, int limit)
{
    int depth = 1, deepest = 1;
    auto node = root;

    for (;;)
    {
        if (auto child = nextElement (node.first_child()))
        {
            node = child;
            deepest = std::max (deepest, ++depth);

            if (deepest > limit)
                return deepest;

            continue;
        }

        // The next element after this one, at its level or further up.
        while (node != root)
        {
            if (auto sibling = nextElement (node.next_sibling()))
            {
                node = sibling;
                break;
            }

            node = node.parent();
            --depth;
        }

        if (node == root)
            return deepest;
    }
}
} // namespace

void XmlFile::load (const juce::File& file, Detail wanted)
{
    auto read = readWholeFile (file, maxFileBytes);

    switch (read.problem)
    {
        case FileReadResult::Problem::none:
            // Parsed where it was read: a large file is not copied again.
            storage = std::move (read.bytes);
            parseInPlace (wanted);
            return;
        case FileReadResult::Problem::missing:
            problem = Problem::missing;
            break;
        case FileReadResult::Problem::notRegularFile:
            problem = Problem::notRegularFile;
            break;
        case FileReadResult::Problem::tooLarge:
            problem = Problem::tooLarge;
            break;
        case FileReadResult::Problem::unreadable:
            problem = Problem::unreadable;
            break;
    }

    document.reset();
    detail = read.describe (maxFileBytes);
}

void XmlFile::parse (const void* data, size_t size, Detail detailWanted)
{
    storage.assign (static_cast<const char*> (data), size);
    parseInPlace (detailWanted);
}

void XmlFile::parseInPlace (Detail detailWanted)
{
    errorLine = 0;
    detail = {};

    // Parsing in place rewrites the text, so the line of an error is counted
    // on a copy for files up to 64 KiB; above that it is counted on the
    // parsed text, which differs only where attribute values held line breaks.
    // Every element costs the parser memory: refuse a file with far more of
    // them than any real one before building its tree.
    if ((size_t) std::count (storage.begin(), storage.end(), '<') > maxElements)
    {
        document.reset();
        problem = Problem::tooManyElements;
        return;
    }

    const auto options = detailWanted == Detail::full ? parseOptions : (unsigned int) pugi::parse_minimal;
    const auto size = storage.size();
    const auto original = size <= 65536 ? storage : std::string();
    const auto result = document.load_buffer_inplace (storage.data(), size, options, pugi::encoding_auto);
    const auto* data = original.empty() ? storage.data() : original.data();

    if (! result)
    {
        problem = Problem::notWellFormed;
        errorLine = lineAt (static_cast<const char*> (data), size, result.offset);
        detail = result.description();
        return;
    }

    int elements = 0;

    for (auto child : document.children())
        if (child.type() == pugi::node_element)
            ++elements;

    if (elements != 1)
    {
        problem = Problem::notWellFormed;
        detail = elements == 0 ? "no root element" : "more than one root element";
        return;
    }

    if (depthOf (document.document_element(), maxDepth) > maxDepth)
    {
        problem = Problem::tooDeep;
        return;
    }

    problem = Problem::none;
}

juce::String XmlFile::describe() const
{
    switch (problem)
    {
        case Problem::none:
            return {};
        case Problem::missing:
        case Problem::notRegularFile:
        case Problem::tooLarge:
        case Problem::unreadable:
            return detail;
        case Problem::notWellFormed:
            return "is not well-formed XML (" + (errorLine > 0 ? "line " + juce::String (errorLine) + ": " : juce::String()) + detail.toLowerCase() + ")";
        case Problem::tooDeep:
            return "nests elements more than " + juce::String (maxDepth) + " levels deep";
        case Problem::tooManyElements:
            return "holds more than " + juce::String ((juce::uint64) maxElements) + " elements, more than any file the editor writes";
    }

    return {};
}

pugi::xml_node XmlFile::root() const
{
    return problem == Problem::none ? document.document_element() : pugi::xml_node();
}

pugi::xml_node XmlFile::partialRoot() const
{
    if (problem == Problem::none || problem == Problem::notWellFormed)
        return document.document_element();

    return {};
}

juce::String attributeText (const pugi::xml_node& element, const char* name, int* replacedBytes)
{
    return stringFromUntrustedUtf8 (element.attribute (name).value(), replacedBytes);
}
