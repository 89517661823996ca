#include "agent_command_line.h"

namespace tray {

void CAgentCommandLineInfo::ParseParam(std::string_view parameter) {
    if (parameter.size() != 2 || (parameter[0] != '/' && parameter[0] != '-')) {
        return;
    }
    if (parameter[1] == 'U' || parameter[1] == 'u') {
        unload_ = true;
    }
}

CAgentCommandLineInfo ParseAgentCommandLine(std::span<const char* const> parameters) {
    CAgentCommandLineInfo info;
    for (const char* parameter : parameters) {
        if (parameter != nullptr) {
            info.ParseParam(parameter);
        }
    }
    return info;
}

}  // namespace tray
