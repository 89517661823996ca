// What the help control's stand-in records of the last call it received.
#pragma once

#include <windows.h>

struct HelpCall {
    HWND window;
    char target[1024];
    UINT command;
    DWORD_PTR data;
    int calls;
};
