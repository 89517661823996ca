// TAVIMO.EXE: the control center. Arguments are ignored.
#include <windows.h>

#include "tavimo_app.h"

namespace {
tavimo::CTavimoApp theApp(devices::SystemDevices(), tavimo::SystemDesktop());
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return theApp.Run();
}
