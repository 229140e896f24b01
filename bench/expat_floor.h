#pragma once

#include "bench.h"

#include <expat.h>
#include <string>

namespace qm::bench {

// What expat alone takes to parse the text in one call, every element and
// text reported to handlers that do nothing: the floor of any reader built
// on it.
inline double ExpatFloor(const std::string& text)
{
    return BestSeconds(5, [&] {
        XML_Parser parser = XML_ParserCreateNS(nullptr, ' ');
        XML_SetElementHandler(parser, [](void*, const XML_Char*, const XML_Char**) {}, [](void*, const XML_Char*) {});
        XML_SetCharacterDataHandler(parser, [](void*, const XML_Char*, int) {});
        XML_Parse(parser, text.data(), static_cast<int>(text.size()), XML_TRUE);
        XML_ParserFree(parser);
    });
}

}  // namespace qm::bench
