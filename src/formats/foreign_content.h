#pragma once

#include "platform/message_text.h"

#include <string>
#include <string_view>

namespace qm {

// The message that refuses a file holding no track we read: it says the
// file is empty, or what kind of file its first bytes tell (an image, a PDF
// document, a binary file), or that its text is in none of the formats read.
std::string NoTrackMessage(std::string_view firstLine, bool empty, const std::string& path);

// The message that refuses a file of another kind (MessageId::HtmlPage...).
std::string ForeignFileMessage(const std::string& path, MessageId kind);

}  // namespace qm
