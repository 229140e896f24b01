#include "platform/system_error_text.h"

#include "platform/message_text.h"

#include <cerrno>

namespace qm {

std::string SystemErrorText(int error)
{
    using enum MessageId;
    switch (error) {
    case ENOENT: return MessageText(NoSuchFile);
    case EACCES:
    case EPERM: return MessageText(AccessDenied);
    case EISDIR: return MessageText(IsDirectory);
    case ENOTDIR: return MessageText(NotDirectory);
    case EEXIST: return MessageText(FileExists);
    case ENOSPC: return MessageText(NoSpace);
    case EFBIG: return MessageText(FileTooLarge);
    case EROFS: return MessageText(ReadOnlyFileSystem);
    case ENAMETOOLONG: return MessageText(NameTooLong);
    case EMFILE:
    case ENFILE: return MessageText(TooManyOpenFiles);
    case ENOMEM: return MessageText(OutOfMemory);
    case EIO: return MessageText(InputOutputError);
    default: return MessageText(OtherSystemError, {std::to_string(error)});
    }
}

}  // namespace qm
