// Libraries loaded by name at run time: from the program's directory and the
// system's, never from the current directory (where anyone may plant one),
// and bound by their exported names as a whole or not at all.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <utility>

#include "library_function.h"
#include "unique_handle.h"

namespace tavimo {

// Takes the current directory out of the search where Windows allows that
// (XP SP1 and later), then loads the library.
inline UniqueModule LoadOutsideLibrary(const char* name) {
    using SetDllDirectoryFn = BOOL(WINAPI*)(const char*);
    if (auto set = LibraryFunction<SetDllDirectoryFn>(GetModuleHandleA("kernel32.dll"),
                                                      "SetDllDirectoryA")) {
        set("");
    }
    return UniqueModule(LoadLibraryA(name));
}

// Resolves the entries in the order given; false at the first one missing.
inline bool ResolveAll(HMODULE module,
                       std::initializer_list<std::pair<const char*, FARPROC*>> entries) {
    for (const auto& [name, entry] : entries) {
        *entry = GetProcAddress(module, name);
        if (*entry == nullptr) {
            return false;
        }
    }
    return true;
}

}  // namespace tavimo
