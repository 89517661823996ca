// The suite's own registry key under HKEY_LOCAL_MACHINE, shared by the
// control center, the applet and the tray agent.
#pragma once

namespace tavimo {

// Sub-key names are appended to this prefix; the trailing backslash is part
// of it.
inline constexpr char kProductKey[] = "Software\\Quorvel\\Tavimo\\";

}  // namespace tavimo
