// Text for the standard output or error handle that a program was started
// with. A windowed program has none of its own: when its starter gave none,
// the text goes nowhere (no message box stops a script).
#pragma once

#include <windows.h>

#include <string_view>

namespace demo {

// which: STD_OUTPUT_HANDLE or STD_ERROR_HANDLE. False when the text could
// not be written whole.
bool WriteStd(DWORD which, std::string_view text);

}  // namespace demo
