#pragma once

#include <string>
#include <vector>

namespace qm {

// The arguments of a command-line program as UTF-8, the program's name first
// (Windows hands main() them in the 8-bit code page, which cannot hold every
// name).
std::vector<std::string> Utf8Arguments(int argc, char** argv);

// Standard output and error pass the program's bytes as they are (Windows
// would turn each LF into CR LF) and a console shows them as UTF-8.
void PrepareStandardStreams();

}  // namespace qm
