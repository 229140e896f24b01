#include "platform/program_start.h"

namespace qm {

std::vector<std::string> Utf8Arguments(int argc, char** argv) { return std::vector<std::string>(argv, argv + argc); }

void PrepareStandardStreams() {}

}  // namespace qm
