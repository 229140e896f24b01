#include "formats/kml/zip_reason.h"

#include "platform/message_text.h"

#include <zip.h>

namespace qm {

std::string ZipReason(int zipErrorCode)
{
    switch (zipErrorCode) {
    case ZIP_ER_NOZIP: return MessageText(MessageId::ZipNotArchive);
    case ZIP_ER_INCONS:
    case ZIP_ER_MULTIDISK: return MessageText(MessageId::ZipInconsistent);
    case ZIP_ER_CRC: return MessageText(MessageId::ZipChecksum);
    case ZIP_ER_ZLIB:
    case ZIP_ER_COMPRESSED_DATA: return MessageText(MessageId::ZipDataDamaged);
    case ZIP_ER_EOF:
    case ZIP_ER_READ:
    case ZIP_ER_SEEK: return MessageText(MessageId::ZipCutShort);
    case ZIP_ER_COMPNOTSUPP: return MessageText(MessageId::ZipMethodUnsupported);
    case ZIP_ER_ENCRNOTSUPP:
    case ZIP_ER_NOPASSWD:
    case ZIP_ER_WRONGPASSWD: return MessageText(MessageId::ZipEncrypted);
    case ZIP_ER_MEMORY: return MessageText(MessageId::OutOfMemory);
    default: return MessageText(MessageId::ZipOtherError, {std::to_string(zipErrorCode)});
    }
}

}  // namespace qm
