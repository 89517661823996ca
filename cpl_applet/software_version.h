// The installed software's version: the "FileVersion" text of the control
// center's version resource, US English, Unicode table.
#pragma once

#include <optional>
#include <string>

namespace applet {

// From directory followed by "\TAVIMO.EXE" (joined as given); nothing when
// the file has no version resource or it lacks that table or entry.
std::optional<std::string> SoftwareVersion(const std::string& directory);

}  // namespace applet
