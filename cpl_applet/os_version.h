// The system's version as the applet records it at CPL_INIT.
#pragma once

#include "applet_rules.h"

namespace applet {

// GetVersionExA when kernel32 exports it (an empty record when the call
// fails); otherwise GetVersion's major and minor version, on a system
// recorded as not of the Windows 9x family.
OsVersionRecord ReadOsVersion();

}  // namespace applet
