#include "common_controls.h"

#include <commctrl.h>

#include "unique_handle.h"

namespace framework {

bool UseCommonControls(DWORD classes) {
    static const tavimo::UniqueModule library(LoadLibraryA("comctl32.dll"));
    if (!library) {
        return false;
    }
    using InitFunction = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    const auto init = reinterpret_cast<InitFunction>(
        reinterpret_cast<void*>(GetProcAddress(library.get(), "InitCommonControlsEx")));
    const INITCOMMONCONTROLSEX controls = {sizeof controls, classes};
    return init != nullptr && init(&controls);
}

}  // namespace framework
