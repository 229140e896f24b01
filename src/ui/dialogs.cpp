#include "ui/dialogs.h"

namespace qm {

std::string Dialogs::ErrorBoxText(std::string_view text)
{
    std::string result(text);
    if (result.empty() || result.back() != '.') result += '.';
    return result;
}

}  // namespace qm
