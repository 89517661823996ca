// trayclose: asks a running tray agent to close itself, for instance before
// its files are replaced, and returns once the agent has handled the
// request. Exit code 0 whether or not an agent was running.
#include <windows.h>

#include "window_titles.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (HWND agent = FindWindowA(nullptr, tavimo::kTrayAgentTitle)) {
        SendMessageA(agent, tavimo::kTrayCloseMessage, 0, 0);
    }
    return 0;
}
