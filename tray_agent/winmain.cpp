// traysrv.exe: the tray agent. "/U" or "-U" closes the running agent.
#include <windows.h>

#include "tray_agent_app.h"

namespace {
tray::CTrayAgentApp theApp({devices::SystemHid(), devices::SystemPlatform(),
                            devices::SystemPipe()});
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return theApp.Run();
}
