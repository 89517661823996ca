// Common controls 6 on demand. A program whose own manifest leaves them out
// starts without loading them: the skin's buttons and pictures are drawn by
// the program and look the same with either version. Such a program carries
// them in a second manifest (resource 2) instead, and the windows that show
// the system's controls, its dialogs and tooltips, are made inside a
// ThemedControls scope, where the standard control classes and the common
// controls library are the version 6 ones. Without that manifest a scope
// changes nothing.
#pragma once

#include <windows.h>

namespace framework {

class ThemedControls {
public:
    ThemedControls();
    ~ThemedControls();
    ThemedControls(const ThemedControls&) = delete;
    ThemedControls& operator=(const ThemedControls&) = delete;

private:
    ULONG_PTR cookie_ = 0;
    bool active_ = false;
};

}  // namespace framework
