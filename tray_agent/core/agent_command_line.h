// The tray agent's command line: the unload switch, /U or -U in any case,
// asks a running agent to close.
#pragma once

#include <span>
#include <string_view>

namespace tray {

class CAgentCommandLineInfo {
public:
    // One parameter as the program received it. A switch is the text after
    // a leading "/" or "-"; only "U", in either case, means anything.
    void ParseParam(std::string_view parameter);
    bool UnloadRequested() const { return unload_; }

private:
    bool unload_ = false;
};

// The parameters after the program's name; a null one is passed over.
CAgentCommandLineInfo ParseAgentCommandLine(std::span<const char* const> parameters);

}  // namespace tray
