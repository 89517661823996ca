// Puts the running tray agent through COUNT standbys with their resumes
// and COUNT language changes (German and English in turn, stored as the
// applet stores them), then restores the stored language. Exit code 1 when
// no agent runs.
//   agent_cycles COUNT
#include <windows.h>

#include <cstdlib>

#include "language_switch.h"
#include "window_titles.h"

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::atoi(argv[1]) : 100;
    const HWND agent = FindWindowA(nullptr, tavimo::kTrayAgentTitle);
    if (agent == nullptr) {
        return 1;
    }
    for (int cycle = 0; cycle < count; ++cycle) {
        SendMessageA(agent, WM_POWERBROADCAST, PBT_APMQUERYSUSPEND, 0);
        SendMessageA(agent, WM_POWERBROADCAST, PBT_APMRESUMESUSPEND, 0);
        tavimo::StoreLanguage(cycle % 2 == 0 ? "German" : "English");
        SendMessageA(agent, tavimo::kLanguageChangedMessage, 0, 0);
    }
    tavimo::StoreLanguage("English");
    SendMessageA(agent, tavimo::kLanguageChangedMessage, 0, 0);
    return 0;
}
