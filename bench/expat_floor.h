#pragma once

#include "bench.h"

#include <algorithm>
#include <expat.h>
#include <string>

namespace qm::bench {

// Parses the text with expat alone, in one call or in calls of `chunk`
// bytes, every element and text reported to handlers that do nothing: the
// floor of any reader built on it.
inline void ParseWithExpat(const std::string& text, size_t chunk = std::string::npos)
{
    XML_Parser parser = XML_ParserCreateNS(nullptr, ' ');
    XML_SetElementHandler(parser, [](void*, const XML_Char*, const XML_Char**) {}, [](void*, const XML_Char*) {});
    XML_SetCharacterDataHandler(parser, [](void*, const XML_Char*, int) {});
    for (size_t fed = 0; fed < text.size();) {
        const size_t n = std::min(chunk, text.size() - fed);
        XML_Parse(parser, text.data() + fed, static_cast<int>(n), fed + n == text.size());
        fed += n;
    }
    XML_ParserFree(parser);
}

// What expat alone takes to parse the text in one call.
inline double ExpatFloor(const std::string& text)
{
    return BestSeconds(5, [&] { ParseWithExpat(text); });
}

}  // namespace qm::bench
