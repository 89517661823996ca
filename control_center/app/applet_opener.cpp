#include "applet_opener.h"

namespace tavimo {

void OpenApplet(Desktop& desktop) {
    if (HWND applet = desktop.FindTopWindow(nullptr, kAppletTitle)) {
        desktop.BringForward(applet);
    } else {
        desktop.RunCommandLine(kAppletCommandLine, SW_SHOWNORMAL);
    }
}

}  // namespace tavimo
