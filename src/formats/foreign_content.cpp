#include "formats/foreign_content.h"

#include <algorithm>

namespace qm {
namespace {

struct Signature {
    std::string_view Start;
    MessageId Kind;
};

constexpr Signature kSignatures[] = {
    {"\xFF\xD8\xFF", MessageId::JpegImage}, {"\x89PNG", MessageId::PngImage}, {"GIF8", MessageId::GifImage},
    {"%PDF-", MessageId::PdfDocument},
};

bool IsControl(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return (byte < 0x20 && c != '\t' && c != '\r' && c != '\f') || byte == 0x7F;
}

}  // namespace

std::string ForeignFileMessage(const std::string& path, MessageId kind)
{
    return MessageText(MessageId::WrongTrackFormatKind, {path, MessageText(kind)});
}

std::string NoTrackMessage(std::string_view firstLine, bool empty, const std::string& path)
{
    if (empty) return MessageText(MessageId::WrongTrackFormatEmpty, {path});
    for (const Signature& signature : kSignatures)
        if (firstLine.starts_with(signature.Start)) return ForeignFileMessage(path, signature.Kind);
    if (std::any_of(firstLine.begin(), firstLine.end(), IsControl))
        return ForeignFileMessage(path, MessageId::BinaryFile);
    return MessageText(MessageId::WrongTrackFormatText, {path});
}

}  // namespace qm
