#pragma once

// Symbols of liblindrel32.so are hidden unless marked with LINDREL32_API.
#if defined(LINDREL32_BUILDING)
#define LINDREL32_API __attribute__((visibility("default")))
#else
#define LINDREL32_API
#endif
