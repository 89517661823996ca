#include "common_controls.h"

#include <commctrl.h>

#include "library_function.h"
#include "themed_controls.h"
#include "unique_handle.h"

namespace framework {

bool UseCommonControls(DWORD classes) {
    // Version 6 where the program carries it, whichever scope the caller is in.
    const ThemedControls themed;
    static const tavimo::UniqueModule library(LoadLibraryA("comctl32.dll"));
    if (!library) {
        return false;
    }
    using InitFunction = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    const auto init = tavimo::LibraryFunction<InitFunction>(library.get(), "InitCommonControlsEx");
    const INITCOMMONCONTROLSEX controls = {sizeof controls, classes};
    return init != nullptr && init(&controls);
}

}  // namespace framework
