#pragma once

#include <fstream>
#include <string>
#include <sys/resource.h>

namespace qm::test {

// The bytes of address space the process takes.
inline rlim_t AddressSpace()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with("VmSize:")) return std::stoull(line.substr(7)) << 10;
    return 0;
}

// Lets the process map at most `more` bytes beyond what it takes now.
inline void LimitAddressSpace(rlim_t more)
{
    const rlim_t most = AddressSpace() + more;
    const rlimit limit{most, most};
    ::setrlimit(RLIMIT_AS, &limit);
}

}  // namespace qm::test
