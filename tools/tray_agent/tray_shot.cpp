// Opens the running tray agent's menu (as a right click on its icon does)
// or its about box, waits until it shows (at most 20 seconds) and prints
// its rectangle on the screen as WIDTHxHEIGHT+X+Y, for screenshots.
//   tray_shot menu | about
// Exit code 1 when there is no agent or nothing showed, 2 for bad usage.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "test_window.h"
#include "window_titles.h"

namespace {

// The agent's visible window of windowClass, once it shows.
HWND AwaitShown(HWND agent, const char* windowClass) {
    DWORD processId = 0;
    GetWindowThreadProcessId(agent, &processId);
    HWND shown = nullptr;
    for (int attempt = 0; attempt < 200 && shown == nullptr; ++attempt) {
        Sleep(100);
        shown = testing_support::FindProcessWindow(processId, windowClass, nullptr, true);
    }
    return shown;
}

HWND AwaitAgent() {
    HWND agent = nullptr;
    for (int attempt = 0; attempt < 200 && agent == nullptr; ++attempt) {
        agent = FindWindowA(nullptr, tavimo::kTrayAgentTitle);
        Sleep(agent == nullptr ? 100 : 0);
    }
    return agent;
}

}  // namespace

int main(int argc, char** argv) {
    const bool menu = argc == 2 && std::strcmp(argv[1], "menu") == 0;
    const bool about = argc == 2 && std::strcmp(argv[1], "about") == 0;
    if (!menu && !about) {
        std::fputs("usage: tray_shot menu | about\n", stderr);
        return 2;
    }
    const HWND agent = AwaitAgent();
    if (agent == nullptr) {
        std::fputs("tray_shot: no tray agent runs\n", stderr);
        return 1;
    }
    // The agent's icon id and its callback message (WM_USER).
    if (menu) {
        PostMessageA(agent, WM_USER, 3, WM_RBUTTONUP);
    } else {
        PostMessageA(agent, WM_COMMAND, 0xE140, 0);
    }
    const HWND shown = AwaitShown(agent, menu ? "#32768" : "#32770");
    RECT rect = {};
    if (shown == nullptr || !GetWindowRect(shown, &rect)) {
        std::fputs("tray_shot: nothing showed\n", stderr);
        return 1;
    }
    std::printf("%ldx%ld+%ld+%ld\n", rect.right - rect.left, rect.bottom - rect.top, rect.left,
                rect.top);
    return 0;
}
