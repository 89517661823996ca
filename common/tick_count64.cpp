// The compiler's thread runtime (winpthreads, linked statically) imports
// GetTickCount64 from kernel32, which Windows XP lacks: a program with that
// import does not start there at all. This object defines the import's
// pointer itself, so the linker takes it instead of kernel32's, and no
// deliverable imports the function. It calls the system's GetTickCount64
// where there is one, and otherwise extends the 32-bit tick count.
#include <windows.h>

#include <atomic>

#include "library_function.h"
#include "tick_count64.h"

namespace {

ULONGLONG WINAPI TickCount64() {
    using Function = ULONGLONG(WINAPI*)();
    static const auto system =
        tavimo::LibraryFunction<Function>(GetModuleHandleA("kernel32.dll"), "GetTickCount64");
    if (system != nullptr) {
        return system();
    }
    static std::atomic<std::uint64_t> last{0};
    std::uint64_t seen = last.load();
    for (;;) {
        const std::uint64_t now = tavimo::ExtendTickCount(seen, GetTickCount());
        if (last.compare_exchange_weak(seen, now)) {
            return now;
        }
    }
}

}  // namespace

extern "C" ULONGLONG(WINAPI* const tavimoTickCount64Import)() = TickCount64;
