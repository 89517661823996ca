// The common controls library is loaded at its first use, not with the
// program: loading it is a noticeable part of a program's start, and a
// program may show no common control for a long time (tooltips wait for the
// mouse). Once loaded it stays until the program ends.
#pragma once

#include <windows.h>

namespace framework {

// Loads the library (version 6 when the program carries it as in
// themed_controls.h) and registers the control classes named by ICC flags;
// false when it cannot. Windows of those classes are made inside a
// ThemedControls scope too.
bool UseCommonControls(DWORD classes);

}  // namespace framework
