#include "associations.h"

#include <windows.h>

#include <optional>

#include "command_line.h"
#include "registry_value.h"
#include "settings_values.h"

namespace tavimo {
namespace {

constexpr char kFileExts[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\";
// Registry key names are at most 255 characters.
constexpr std::size_t kKeyNameLimit = 255;

// A command, document or name read from an association; REG_EXPAND_SZ texts
// are expanded. Nothing when missing, of another type or too long.
std::optional<std::string> AssociationText(HKEY root, const std::string& path, const char* name) {
    const std::optional<RegistryValue> value = ReadRegistryValue(root, path, name, kPathBytes);
    if (!value) {
        return std::nullopt;
    }
    if (value->type != REG_EXPAND_SZ) {
        return StringSetting(value->type, value->bytes, kPathBytes);
    }
    const std::string text = value->bytes.substr(0, value->bytes.find('\0'));
    char expanded[kPathBytes];
    const DWORD length = ExpandEnvironmentStringsA(text.c_str(), expanded, sizeof expanded);
    if (length == 0 || length > sizeof expanded) {
        return std::nullopt;
    }
    return std::string(expanded);
}

// A name read from the registry that can stand as one key of a path.
bool IsKeyName(const std::string& name) {
    return !name.empty() && name.size() <= kKeyNameLimit && name.find('\\') == std::string::npos;
}

// The application name that the user opened files of `extension` with last.
std::optional<std::string> MostRecentApplication(const std::string& extension) {
    const std::string list = kFileExts + extension + "\\OpenWithList";
    const std::optional<std::string> order = AssociationText(HKEY_CURRENT_USER, list, "MRUList");
    if (!order || order->empty()) {
        return std::nullopt;
    }
    const char entry[2] = {(*order)[0], '\0'};
    return AssociationText(HKEY_CURRENT_USER, list, entry);
}

std::string ExecutableOrNothing(const std::optional<std::string>& commandLine) {
    return commandLine ? ExecutableOf(*commandLine) : std::string();
}

}  // namespace

std::string RecentOpenWithProgram(const std::string& extension, bool playVerb) {
    if (!IsKeyName(extension)) {
        return std::string();
    }
    const std::optional<std::string> application = MostRecentApplication(extension);
    if (!application) {
        return std::string();
    }
    std::optional<std::string> command;
    if (IsKeyName(*application)) {
        command = AssociationText(
            HKEY_CLASSES_ROOT, "Applications\\" + *application + "\\Shell\\Open\\command", nullptr);
    }
    if (!command) {
        command =
            AssociationText(HKEY_LOCAL_MACHINE,
                            "Software\\Classes\\" + extension +
                                (playVerb ? "\\Shell\\Play\\command" : "\\Shell\\Open\\command"),
                            nullptr);
    }
    return ExecutableOrNothing(command);
}

std::string AudioCdPlayer() {
    return ExecutableOrNothing(
        AssociationText(HKEY_CLASSES_ROOT, "AudioCD\\Shell\\Play\\command", nullptr));
}

}  // namespace tavimo
