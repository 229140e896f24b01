#include "formats/xml/xml_reading.h"

#include "formats/xml/xml_encodings.h"
#include "formats/xml/xml_text.h"
#include "platform/error.h"
#include "platform/message_text.h"
#include "platform/system_error_text.h"
#include "platform/utf8_bom.h"

#include <algorithm>
#include <cerrno>
#include <string>

namespace qm {
namespace {

// The room expat is asked for at a time; a document smaller than the largest
// gets little more than it needs.
constexpr size_t kSmallestChunk = size_t{1} << 12;
constexpr size_t kChunk = size_t{1} << 18;
// The most expat is asked to take in one call.
constexpr size_t kMaxPiece = size_t{1} << 30;
// More text than any number or time needs; a longer one is refused.
constexpr size_t kMaxText = 1024;
// Deeper than any track format nests its elements; expat's memory for the
// elements still open grows with the depth, so a deeper document is refused.
constexpr int kMaxDepth = 256;

// Whether the first character after blanks is "<" in text of code units of
// `width` bytes whose ASCII byte stands at `low` and whose other bytes are 0.
bool StartsWithTag(std::string_view text, size_t width, size_t low)
{
    for (size_t at = 0; at + width <= text.size(); at += width) {
        for (size_t i = 0; i < width; ++i)
            if (i != low && text[at + i] != '\0') return false;
        const char c = text[at + low];
        if (!IsXmlBlank(c)) return c == '<';
    }
    return false;
}

}  // namespace

bool StartsAsXml(std::string_view text)
{
    if (text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF")) return true;
    text = WithoutUtf8Bom(text);
    return StartsWithTag(text, 1, 0) || StartsWithTag(text, 2, 1) || StartsWithTag(text, 2, 0);
}

XmlName SplitXmlName(const XML_Char* name)
{
    std::string_view text(name);
    size_t separator = text.find(kXmlNamespaceSeparator);
    if (separator == std::string_view::npos) return {{}, text};
    return {text.substr(0, separator), text.substr(separator + 1)};
}

XmlParser NewXmlParser(const std::string& path)
{
    XmlParser parser(XML_ParserCreateNS(nullptr, kXmlNamespaceSeparator));
    if (!parser) throw Error(MessageText(MessageId::CannotReadFile, {path, SystemErrorText(ENOMEM)}));
    XML_SetUnknownEncodingHandler(parser.get(), &ReadUnknownEncoding, nullptr);
    return parser;
}

bool FeedXml(XML_Parser parser, ByteSource& bytes)
{
    size_t chunk = static_cast<size_t>(std::clamp<uint64_t>(bytes.Size(), kSmallestChunk, kChunk));
    uint64_t fed = 0;
    for (;;) {
        void* buffer = XML_GetBuffer(parser, static_cast<int>(chunk));
        if (!buffer) return false;
        const size_t n = bytes.Read(static_cast<char*>(buffer), chunk);
        if (XML_ParseBuffer(parser, static_cast<int>(n), n == 0) != XML_STATUS_OK) return false;
        if (n == 0) return true;
        fed += n;
        const XML_Index parsed = XML_GetCurrentByteIndex(parser);
        const uint64_t unparsed =
            parsed >= 0 && static_cast<uint64_t>(parsed) <= fed ? fed - static_cast<uint64_t>(parsed) : 0;
        // Never much more room than the bytes left need: asked for, expat
        // makes room by moving or copying what it keeps.
        const uint64_t size = bytes.Size();
        const uint64_t left = size > fed ? size - fed : 0;
        const uint64_t least = std::clamp<uint64_t>(left, kSmallestChunk, kChunk);
        chunk = static_cast<size_t>(std::clamp<uint64_t>(std::min(2 * unparsed, left), least, kMaxPiece));
    }
}

std::string XmlRootName(ByteSource& bytes)
{
    struct Sniff {
        XmlParser parser;
        std::string root;
    } sniff{NewXmlParser(""), {}};
    XML_SetUserData(sniff.parser.get(), &sniff);
    XML_SetStartElementHandler(sniff.parser.get(), [](void* data, const XML_Char* name, const XML_Char**) {
        auto& self = *static_cast<Sniff*>(data);
        self.root = SplitXmlName(name).Local;
        XML_StopParser(self.parser.get(), XML_FALSE);
    });
    FeedXml(sniff.parser.get(), bytes);
    return sniff.root;
}

XmlTrackParser::XmlTrackParser(const std::string& path) : path_(path), parser_(NewXmlParser(path))
{
    XML_SetUserData(parser_.get(), this);
    XML_SetElementHandler(parser_.get(), &XmlTrackParser::OnStart, &XmlTrackParser::OnEnd);
    XML_SetCharacterDataHandler(parser_.get(), &XmlTrackParser::OnText);
}

bool XmlTrackParser::Parse(ByteSource& bytes, std::vector<Message>& messages)
{
    if (FeedXml(parser_.get(), bytes)) return true;
    if (!refusal_)
        Refuse(false, MessageText(MessageId::NotXml, {XML_ErrorString(XML_GetErrorCode(parser_.get()))}));
    messages.push_back(*refusal_);
    return false;
}

void XmlTrackParser::Refuse(bool isError, const std::string& what)
{
    refusal_ = Message{isError, what, static_cast<int>(XML_GetCurrentLineNumber(parser_.get())), path_};
    XML_StopParser(parser_.get(), XML_FALSE);
}

void XmlTrackParser::CollectText()
{
    text_.clear();
    collecting_ = true;
}

std::optional<std::string_view> XmlTrackParser::CollectedText(std::string_view element)
{
    if (text_.size() <= kMaxText) return XmlTrimmed(text_);
    Refuse(true, MessageText(MessageId::TooLongText, {"<" + std::string(element) + ">"}));
    return std::nullopt;
}

void XmlTrackParser::OnStart(void* data, const XML_Char* name, const XML_Char** attributes)
{
    auto& self = *static_cast<XmlTrackParser*>(data);
    self.collecting_ = false;
    if (++self.depth_ > kMaxDepth)
        return self.Refuse(false, MessageText(MessageId::TooDeep, {std::to_string(kMaxDepth)}));
    self.Start(SplitXmlName(name), attributes);
}

void XmlTrackParser::OnEnd(void* data, const XML_Char*)
{
    auto& self = *static_cast<XmlTrackParser*>(data);
    if (self.refusal_) return;
    --self.depth_;
    self.End();
    self.collecting_ = false;
}

void XmlTrackParser::OnText(void* data, const XML_Char* text, int length)
{
    auto& self = *static_cast<XmlTrackParser*>(data);
    if (!self.collecting_) return self.Characters({text, static_cast<size_t>(length)});
    if (self.text_.size() <= kMaxText)
        self.text_.append(text, std::min(static_cast<size_t>(length), kMaxText - self.text_.size() + 1));
}

}  // namespace qm
