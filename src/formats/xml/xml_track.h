#pragma once

#include "formats/point_admission.h"
#include "formats/track_reader.h"
#include "platform/byte_source.h"
#include "platform/error.h"

#include <string>

namespace qm {

// A track read by Parser (made with the path, giving Parse(bytes, messages)
// and Admission()), then held to the rules every track obeys, its points and
// their times named by words in the messages.
template <typename Parser>
TrackReading ReadXmlTrack(ByteSource& bytes, const std::string& path, PointWords words)
{
    TrackReading reading;
    try {
        Parser parser(path);
        if (parser.Parse(bytes, reading.Messages))
            reading.Track = parser.Admission().CheckedTrack(words, path, reading.Messages);
    } catch (const Error& error) {
        reading.Messages.push_back({true, error.what()});
    }
    return reading;
}

}  // namespace qm
