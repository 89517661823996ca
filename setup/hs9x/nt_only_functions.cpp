// The compiler's thread runtime (winpthreads, linked statically) imports
// three kernel32 functions that only the NT line has; Windows 98 and Me
// refuse to load a library with such an import. This object defines the
// imports' pointers itself, so the linker takes them instead of kernel32's:
// each calls the system's function where there is one. Without it, no
// vectored handler is added (the runtime uses one only to name threads for
// a debugger), and trying to enter a critical section enters it; this
// library runs on one thread, so that never waits.
#include <windows.h>

#include "library_function.h"

namespace {

template <typename Function>
Function SystemFunction(const char* name) {
    return tavimo::LibraryFunction<Function>(GetModuleHandleA("kernel32.dll"), name);
}

PVOID WINAPI AddHandler(ULONG first, PVECTORED_EXCEPTION_HANDLER handler) {
    using Function = PVOID(WINAPI*)(ULONG, PVECTORED_EXCEPTION_HANDLER);
    static const auto system = SystemFunction<Function>("AddVectoredExceptionHandler");
    return system != nullptr ? system(first, handler) : nullptr;
}

ULONG WINAPI RemoveHandler(PVOID handle) {
    using Function = ULONG(WINAPI*)(PVOID);
    static const auto system = SystemFunction<Function>("RemoveVectoredExceptionHandler");
    return system != nullptr && handle != nullptr ? system(handle) : 0;
}

BOOL WINAPI TryEnter(LPCRITICAL_SECTION section) {
    using Function = BOOL(WINAPI*)(LPCRITICAL_SECTION);
    static const auto system = SystemFunction<Function>("TryEnterCriticalSection");
    if (system != nullptr) {
        return system(section);
    }
    EnterCriticalSection(section);
    return TRUE;
}

}  // namespace

extern "C" PVOID(WINAPI* const addHandlerImport)(ULONG, PVECTORED_EXCEPTION_HANDLER) asm(
    "__imp__AddVectoredExceptionHandler@8") = AddHandler;
extern "C" ULONG(WINAPI* const removeHandlerImport)(PVOID) asm(
    "__imp__RemoveVectoredExceptionHandler@4") = RemoveHandler;
extern "C" BOOL(WINAPI* const tryEnterImport)(LPCRITICAL_SECTION) asm(
    "__imp__TryEnterCriticalSection@4") = TryEnter;
