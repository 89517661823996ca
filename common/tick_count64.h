// A 64-bit millisecond tick count built from the 32-bit one, for Windows XP,
// which has no GetTickCount64.
#pragma once

#include <cstdint>

namespace tavimo {

// The 64-bit count for a 32-bit reading now, given the 64-bit count last
// handed out: the same high part, one more when the 32-bit counter has
// wrapped since. Right as long as readings are less than 49.7 days apart.
constexpr std::uint64_t ExtendTickCount(std::uint64_t last, std::uint32_t now) {
    constexpr std::uint64_t kWrap = std::uint64_t{1} << 32;
    std::uint64_t high = last & ~(kWrap - 1);
    if (now < static_cast<std::uint32_t>(last)) {
        high += kWrap;
    }
    return high | now;
}

}  // namespace tavimo

#ifdef _WIN32
// The pointer through which code that imports kernel32's GetTickCount64
// calls it. Every deliverable links tick_count64.cpp, which defines it, so
// none imports the function.
#if defined(__i386__)
#define TAVIMO_TICK_COUNT64_IMPORT "__imp__GetTickCount64@0"
#else
#define TAVIMO_TICK_COUNT64_IMPORT "__imp_GetTickCount64"
#endif
extern "C" unsigned long long(__stdcall* const tavimoTickCount64Import)() asm(
    TAVIMO_TICK_COUNT64_IMPORT);
#endif
