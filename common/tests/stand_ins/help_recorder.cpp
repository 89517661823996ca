// A stand-in for the HTML Help control: its ordinal 14 records the call it
// receives, which the test reads back through LastHelpCall.
#include <windows.h>

#include <cstring>

#include "help_call.h"

namespace {

HelpCall lastCall;

}  // namespace

extern "C" HWND WINAPI RecordHelp(HWND window, LPCSTR target, UINT command, DWORD_PTR data) {
    lastCall.window = window;
    lastCall.target[0] = '\0';
    if (target != nullptr) {
        std::strncat(lastCall.target, target, sizeof lastCall.target - 1);
    }
    lastCall.command = command;
    lastCall.data = data;
    ++lastCall.calls;
    return nullptr;
}

extern "C" const void* LastHelpCall() {
    return &lastCall;
}
