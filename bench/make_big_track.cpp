#include "big_track.h"

#include <cstdlib>
#include <iostream>

// make_big_track PATH [POINTS]: writes the benchmark track.
int main(int argc, char** argv)
{
    if (argc < 2) {
        std::cerr << "usage: make_big_track PATH [POINTS]\n";
        return 2;
    }
    int points = argc > 2 ? std::atoi(argv[2]) : 1000000;
    qm::bench::WriteBigTrack(argv[1], points);
    return 0;
}
