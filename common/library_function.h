// A function of a library found by its exported name (or ordinal) at run
// time, for functions that not every system has or libraries loaded only
// when needed: null when the library or the function is missing.
#pragma once

#include <windows.h>

namespace tavimo {

template <typename Function>
Function LibraryFunction(HMODULE library, const char* name) {
    return library != nullptr
               ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)))
               : nullptr;
}

}  // namespace tavimo
