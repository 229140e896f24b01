#include "bench.h"

#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " TRACK\n";
        return 2;
    }
    return qm::bench::RunBenchmark(argv[1]);
}
