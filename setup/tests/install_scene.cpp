#include "install_scene.h"

#include <gtest/gtest.h>

#include "unique_handle.h"

namespace setup_tests {
namespace {

std::string WindowsFolder() {
    char buffer[MAX_PATH] = {};
    GetWindowsDirectoryA(buffer, sizeof buffer);
    return buffer;
}

void RemoveInstalledCopies() {
    for (const char* file : kSupportFiles) {
        for (const char* folder : {"system", "system32"}) {
            DeleteFileA(Installed(file, folder).c_str());
            RemoveDirectoryA(Installed(file, folder).c_str());  // one a test put in its place
        }
    }
}

}  // namespace

std::string Installed(const std::string& fileName, const std::string& systemFolder) {
    const std::string windows = WindowsFolder();
    if (fileName == "hsfilt.sys") {
        return windows + "\\system32\\drivers\\" + fileName;
    }
    if (fileName == "qrveq.inf") {
        return windows + "\\inf\\" + fileName;
    }
    return windows + "\\" + systemFolder + "\\" + fileName;
}

InstallScene::InstallScene(Machine machine) {
    if (machine == Machine::Scratch) {
        machine_.emplace(HKEY_LOCAL_MACHINE);
    }
    // Windows 98 and Me keep their libraries there.
    CreateDirectoryA((WindowsFolder() + "\\system").c_str(), nullptr);
    RemoveInstalledCopies();
    for (const char* file : kSupportFiles) {
        sources_.Write(file, SourceBytes(file));
    }
    char current[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof current, current);
    previousDirectory_ = current;
    EXPECT_TRUE(SetCurrentDirectoryA(sources_.Path().c_str()));
    codec_.SetAnswering(true);
}

InstallScene::~InstallScene() {
    SetCurrentDirectoryA(previousDirectory_.c_str());
    RemoveInstalledCopies();
}

void InstallScene::RemoveSource(const std::string& fileName) const {
    DeleteFileA((sources_.Path() + fileName).c_str());
}

std::vector<BYTE> InstallScene::SourceBytes(const std::string& fileName) {
    return testing_support::Pattern(64 + fileName.size(), static_cast<BYTE>(fileName.front()));
}

// Instance keys are reached from the device key, as the library reaches
// them: with its path in front, a long instance name would not fit the
// registry's ANSI calls.
tavimo::UniqueKey InstallScene::Instance(const std::string& instance) const {
    machine_->CreateKey(kDeviceKey9x);
    HKEY device = nullptr, key = nullptr;
    EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kDeviceKey9x, 0, KEY_ALL_ACCESS, &device),
              ERROR_SUCCESS);
    const tavimo::UniqueKey deviceOwner(device);
    EXPECT_EQ(RegCreateKeyExA(device, instance.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    return tavimo::UniqueKey(key);
}

void InstallScene::AddInstance9x(const std::string& instance,
                                 const std::optional<std::string>& lowerFilters) const {
    const tavimo::UniqueKey key = Instance(instance);
    if (lowerFilters) {
        SetFilterValue(instance, REG_SZ, *lowerFilters + '\0');
    }
}

void InstallScene::SetFilterValue(const std::string& instance, DWORD type,
                                  const std::string& bytes) const {
    EXPECT_EQ(RegSetValueExA(Instance(instance).get(), "LowerFilters", 0, type,
                             reinterpret_cast<const BYTE*>(bytes.data()),
                             static_cast<DWORD>(bytes.size())),
              ERROR_SUCCESS);
}

std::optional<testing_support::RegistryValue> InstallScene::FilterValue(
    const std::string& instance) const {
    const tavimo::UniqueKey key = Instance(instance);
    DWORD type = REG_NONE, size = 0;
    if (RegQueryValueExA(key.get(), "LowerFilters", nullptr, &type, nullptr, &size) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    testing_support::RegistryValue value{type, std::vector<BYTE>(size)};
    RegQueryValueExA(key.get(), "LowerFilters", nullptr, &type, value.data.data(), &size);
    return value;
}

std::optional<std::string> InstallScene::Filters(const std::string& instance) const {
    const auto value = FilterValue(instance);
    if (!value) {
        return std::nullopt;
    }
    const std::string text(value->data.begin(), value->data.end());
    return text.substr(0, text.find('\0'));
}

void InstallScene::AddDeviceKey9x() const {
    machine_->CreateKey(kDeviceKey9x);
}

void InstallScene::AddDeviceKeyNT() const {
    machine_->CreateKey(kDeviceKeyNT);
}

std::vector<BYTE> FileBytes(const std::string& path) {
    std::vector<BYTE> bytes;
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return bytes;
    }
    const tavimo::UniqueHandle owner(file);
    BYTE chunk[4096];
    DWORD read = 0;
    while (ReadFile(file, chunk, sizeof chunk, &read, nullptr) && read > 0) {
        bytes.insert(bytes.end(), chunk, chunk + read);
    }
    return bytes;
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace setup_tests
