#pragma once

#include "SafeFileReader.h"

#include <juce_core/juce_core.h>

#include <pugixml.hpp>

/** An XML document read from a file that may hold anything.

    Every XML file the editor reads comes through here: only a regular file
    no larger than maxFileBytes is read, the parser is one that never
    recurses and never reads past its input, and nesting deeper than
    maxDepth is refused. When there is no document, `problem` and
    `describe` say why.
*/
class XmlFile final
{
public:
    //==============================================================================
    /** Far above any real file: a library of 100,000 presets is about 20 MB. */
    static constexpr size_t maxFileBytes = 32 * 1024 * 1024;

    /** The editor's files are two levels deep. */
    static constexpr int maxDepth = 64;

    /** Five times the elements of a library of 100,000 presets. */
    static constexpr size_t maxElements = 500000;

    enum class Problem
    {
        none,
        missing,
        notRegularFile,
        tooLarge,
        unreadable,
        notWellFormed,
        tooDeep,
        tooManyElements
    };

    XmlFile() = default;

    /** How much of the text a parse decodes. */
    enum class Detail
    {
        full, // entity references, attribute white space and line ends decoded
        structure // elements and raw attribute text only: for checking a file just written
    };

    /** Reads and parses a file. */
    void load (const juce::File& file, Detail detail = Detail::full);

    /** Parses bytes already in memory (they are copied). */
    void parse (const void* data, size_t size, Detail detail = Detail::full);

    //==============================================================================
    Problem problem = Problem::missing;

    /** The line of a well-formedness error, from 1; 0 when unknown. */
    int errorLine = 0;

    /** Why there is no document: "is not well-formed XML (line 3: ...)". */
    juce::String describe() const;

    /** The document element, or a null node when there is a problem. */
    pugi::xml_node root() const;

    /** The document element as far as it was parsed before an error; for
        rescuing what a damaged file still holds.
    */
    pugi::xml_node partialRoot() const;

private:
    void parseInPlace (Detail detailWanted);

    std::string storage; // the text the document points into
    pugi::xml_document document;
    juce::String detail;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (XmlFile)
};

/** An attribute's value as text; bytes that are not UTF-8 become "?". */
juce::String attributeText (const pugi::xml_node& element, const char* name, int* replacedBytes = nullptr);
