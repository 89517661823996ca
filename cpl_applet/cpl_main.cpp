// The applet library's one export, CPlApplet: the Control Panel's calls,
// each made with the library's own resources current.
#include <windows.h>

#include "os_version.h"
#include "panel_app.h"
#include "resource_source.h"

// This library's own module, whatever the host's is.
extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {

HINSTANCE AppletModule() {
    return reinterpret_cast<HINSTANCE>(&__ImageBase);
}

// For the length of one call, the framework loads from the applet library.
class AppletResources {
public:
    AppletResources() { framework::SetResourceSource(AppletModule()); }
    ~AppletResources() { framework::SetResourceSource(nullptr); }
    AppletResources(const AppletResources&) = delete;
    AppletResources& operator=(const AppletResources&) = delete;
};

// Made when the library is loaded.
applet::CPanelApp g_app(AppletModule(), devices::SystemHid(), applet::ReadOsVersion);

}  // namespace

extern "C" LONG APIENTRY CPlApplet(HWND /*hwndCPl*/, UINT uMsg, LPARAM lParam1, LPARAM lParam2) {
    const AppletResources resources;
    return g_app.OnMessage(uMsg, lParam1, lParam2);
}
