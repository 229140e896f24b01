#include "bench.h"

#include "formats/track_reader.h"
#include "platform/atomic_file_writer.h"
#include "platform/file_system.h"
#include "support/track_as_gpx.h"

#include <algorithm>
#include <expat.h>
#include <iostream>

namespace {

// What expat alone takes to parse the text, every element and text reported
// to handlers that do nothing: the floor of any reader built on it.
double ExpatFloor(const std::string& text)
{
    return qm::bench::BestSeconds(5, [&] {
        XML_Parser parser = XML_ParserCreateNS(nullptr, ' ');
        XML_SetElementHandler(parser, [](void*, const XML_Char*, const XML_Char**) {}, [](void*, const XML_Char*) {});
        XML_SetCharacterDataHandler(parser, [](void*, const XML_Char*, int) {});
        constexpr size_t kChunk = 1 << 18;
        for (size_t at = 0; at < text.size(); at += kChunk)
            XML_Parse(parser, text.data() + at, static_cast<int>(std::min(kChunk, text.size() - at)), XML_FALSE);
        XML_Parse(parser, nullptr, 0, XML_TRUE);
        XML_ParserFree(parser);
    });
}

}  // namespace

// Reading the same track as GPX and as an OziExplorer track.
int qm::bench::RunBenchmark(const std::string& trackPath)
{
    const std::string gpxPath = trackPath + ".gpx";
    WriteFileAtomically(gpxPath, test::TrackAsGpx(*LoadTrack(trackPath).Track));

    size_t pltPoints = 0, gpxPoints = 0;
    double plt = BestSeconds(5, [&] { pltPoints = LoadTrack(trackPath).Track->Points.size(); });
    double gpx = BestSeconds(5, [&] { gpxPoints = LoadTrack(gpxPath).Track->Points.size(); });
    std::string text;
    ReadFileBytes(gpxPath, text);
    double floor = ExpatFloor(text);
    std::cout << "read .plt: " << pltPoints << " points in " << plt << " s\n"
              << "read .gpx: " << gpxPoints << " points in " << gpx << " s (" << gpx / plt << " x .plt; "
              << text.size() / 1000000 << " MB)\n"
              << "expat alone on the .gpx: " << floor << " s (" << floor / plt << " x .plt)\n";
    return 0;
}
