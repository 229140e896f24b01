#include "bench.h"

#include <fstream>
#include <iostream>
#include <sstream>

std::string qm::bench::ReadWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " TRACK\n";
        return 2;
    }
    return qm::bench::RunBenchmark(argv[1]);
}
