#include "formats/xml/xml_encodings.h"

#include "platform/ascii_case.h"
#include "platform/file_text.h"

namespace qm {

int ReadUnknownEncoding(void*, const XML_Char* name, XML_Encoding* info)
{
    if (!SameTextAnyCase(name, "windows-1251") && !SameTextAnyCase(name, "cp1251")) return XML_STATUS_ERROR;
    for (int byte = 0; byte < 256; ++byte) info->map[byte] = Windows1251CodePoint(static_cast<unsigned char>(byte));
    info->data = nullptr;
    info->convert = nullptr;
    info->release = nullptr;
    return XML_STATUS_OK;
}

}  // namespace qm
