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

// Whether the content starts as an XML document does: a UTF-16 byte-order
// mark, or a "<" after an optional UTF-8 byte-order mark and any blanks, in
// UTF-8 or in UTF-16 of either byte order.
bool StartsAsXml(std::string_view text);

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
// being read, and the refusal that stops it, also at elements nested deeper
// than any track format nests them. A format reader says what its
// elements mean (XmlNodeParser below keeps their nesting).
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

    // Stops the parser with the reason the file is refused, placed at the
    // line being read: a plain message for a file that is no track of the
    // format, an error for a value that is wrong.
    void Refuse(bool isError, const std::string& what);

    // Collects the character data until the next element starts or ends.
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
    int depth_ = 0;  // of the elements open
    bool collecting_ = false;
    std::string text_;
};

// An XmlTrackParser that keeps the node of every open element: Node is the
// format's enumeration of the elements whose place matters, Node::Other for
// every other, whose elements within are all Other.
template <typename Node>
class XmlNodeParser : public XmlTrackParser {
public:
    using XmlTrackParser::XmlTrackParser;

protected:
    // The root element's node; a root of another format refuses the file.
    virtual Node Root(XmlName name) = 0;
    // The node of an element within one of node `parent`, which is not Other.
    virtual Node Enter(Node parent, XmlName name, const XML_Char** attributes) = 0;
    // The end of an element of node `node`.
    virtual void Leave(Node node) = 0;

    // The innermost open element's node.
    Node Current() const { return nodes_.back(); }

private:
    void Start(XmlName name, const XML_Char** attributes) final
    {
        if (nodes_.empty()) nodes_.push_back(Root(name));
        else nodes_.push_back(Current() == Node::Other ? Node::Other : Enter(Current(), name, attributes));
    }
    void End() final
    {
        const Node node = Current();
        nodes_.pop_back();
        Leave(node);
    }

    std::vector<Node> nodes_;
};

}  // namespace qm
