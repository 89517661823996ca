// Opening the suite's Control Panel applet: its dialog is raised when it is
// open already, otherwise the Control Panel is asked to start it.
#pragma once

#include "desktop.h"
#include "window_titles.h"

namespace tavimo {

inline constexpr char kAppletCommandLine[] = "control.exe tavictrl.cpl";

void OpenApplet(Desktop& desktop);

}  // namespace tavimo
