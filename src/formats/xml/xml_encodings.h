#pragma once

#include <expat.h>

namespace qm {

// Lets expat read the 8-bit encodings it does not know itself: Windows-1251,
// in which Russian programs write their files. Set with
// XML_SetUnknownEncodingHandler.
int ReadUnknownEncoding(void* data, const XML_Char* name, XML_Encoding* info);

}  // namespace qm
