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

// For the tests: the last call the stand-in loaded in this process
// received; null while it is not loaded.
inline const HelpCall* RecordedHelp() {
    using LastCall = const void*(WINAPI*)();
    const HMODULE recorder = GetModuleHandleA("help_recorder.dll");
    const auto last = recorder == nullptr ? nullptr
                                          : reinterpret_cast<LastCall>(reinterpret_cast<void*>(
                                                GetProcAddress(recorder, "LastHelpCall")));
    return last != nullptr ? static_cast<const HelpCall*>(last()) : nullptr;
}
