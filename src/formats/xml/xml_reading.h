#pragma once

#include "platform/byte_source.h"
#include "platform/message_sink.h"

#include <expat.h>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

// Expat gives a namespaced element name as "URI NAME": no URI holds a blank.
inline constexpr char kXmlNamespaceSeparator = ' ';

// An element's namespace (empty for none) and local name.
struct XmlName {
    std::string_view Space;
    std::string_view Local;
};
XmlName SplitXmlName(const XML_Char* name);

struct XmlParserFree {
    void operator()(XML_Parser parser) const { XML_ParserFree(parser); }
};
using XmlParser = std::unique_ptr<XML_ParserStruct, XmlParserFree>;

// A parser that splits names by namespace and also reads Windows-1251;
// throws Error naming path when memory runs out.
XmlParser NewXmlParser(const std::string& path);

// Gives the bytes to the parser, read into its own buffer a chunk at a time;
// false when expat stops, on an error or because a handler stopped it. Expat
// scans an unfinished token again with every chunk, so a chunk is at least
// twice what the last one left unparsed: a token of any length is scanned a
// bounded number of times.
bool FeedXml(XML_Parser parser, ByteSource& bytes);

// The local name of the document's root element; empty when expat finds
// none (text that is no XML). Reads no further than the root's start tag.
std::string XmlRootName(ByteSource& bytes);

// The reader of a track format in XML: the parser, the text of the element
// being read, and the refusal that stops it. A format reader says what its
// elements mean.
class XmlTrackParser {
public:
    explicit XmlTrackParser(const std::string& path);
    virtual ~XmlTrackParser() = default;
    XmlTrackParser(const XmlTrackParser&) = delete;
    XmlTrackParser& operator=(const XmlTrackParser&) = delete;

    // Parses all the bytes; false when they were refused, with the reason
    // in messages.
    bool Parse(ByteSource& bytes, std::vector<Message>& messages);

protected:
    // Every element's start, the root's first; after a refusal expat may
    // still report an element's end, never a start.
    virtual void Start(XmlName name, const XML_Char** attributes) = 0;
    // Every element's end until a refusal.
    virtual void End() = 0;
    // Character data outside CollectText's reach.
    virtual void Characters(std::string_view) {}

    // Stops the parser with the reason the file is refused: a plain message
    // for a file that is no track of the format, an error for a value that
    // is wrong.
    void Refuse(bool isError, const std::string& what);
    bool Refused() const { return refusal_.has_value(); }

    // Collects the character data until the next element ends.
    void CollectText();
    // The text collected for `element` (its name as the file writes it),
    // without blanks at either end; nothing, the file refused naming the
    // element, when it was longer than any number or time needs.
    std::optional<std::string_view> CollectedText(std::string_view element);

    const std::string& path_;

private:
    static void OnStart(void* data, const XML_Char* name, const XML_Char** attributes);
    static void OnEnd(void* data, const XML_Char*);
    static void OnText(void* data, const XML_Char* text, int length);

    XmlParser parser_;
    std::optional<Message> refusal_;
    bool collecting_ = false;
    std::string text_;
};

}  // namespace qm
