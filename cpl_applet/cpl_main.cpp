// The applet library's one export, CPlApplet. Its resources are always the
// library's own: the applet object loads them from this module, whatever
// module the host has.
#include <windows.h>

#include "os_version.h"
#include "panel_app.h"

// This library's own module, whatever the host's is.
extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {

HINSTANCE AppletModule() {
    return reinterpret_cast<HINSTANCE>(&__ImageBase);
}

// Made when the library is loaded.
applet::CPanelApp g_app(AppletModule(), devices::SystemHid(), applet::ReadOsVersion);

}  // namespace

extern "C" LONG APIENTRY CPlApplet(HWND /*hwndCPl*/, UINT uMsg, LPARAM lParam1, LPARAM lParam2) {
    return g_app.OnMessage(uMsg, lParam1, lParam2);
}
