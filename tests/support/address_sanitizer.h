#pragma once

// QM_ADDRESS_SANITIZER is 1 in a build with AddressSanitizer, which maps
// terabytes of shadow memory: no limit on the address space fits it.
#if defined(__SANITIZE_ADDRESS__)
#define QM_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QM_ADDRESS_SANITIZER 1
#endif
#endif
