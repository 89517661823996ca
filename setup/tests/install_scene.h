// What an installation library meets on a machine, made real for one test:
// HKEY_LOCAL_MACHINE redirected to a scratch key (the test builds the
// headset's device keys in it), a folder holding the support files as the
// current directory, the Windows folders' copies of them removed before and
// after, and the headset's codec behind the codec-access stand-in.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "scratch_directory.h"
#include "scratch_registry.h"
#include "test_registry.h"
#include "unique_handle.h"
#include "virtual_codec.h"

namespace setup_tests {

inline constexpr char kDeviceKey9x[] = "Enum\\USB\\Vid_A5C1&Pid_0D31";
inline constexpr char kDeviceKeyNT[] = "System\\CurrentControlSet\\Enum\\USB\\Vid_A5C1&Pid_0D31";
inline constexpr const char* kSupportFiles[] = {"hsfilt.sys", "hsio.dll", "bandcalc.dll",
                                                "qrveq.inf"};

// The Windows folder's path of a support file ("system" or "system32"
// for the libraries).
std::string Installed(const std::string& fileName, const std::string& systemFolder);

class InstallScene {
public:
    // Where HKEY_LOCAL_MACHINE goes: to a scratch key, or (for the system's
    // device installation, which keeps its own data there) nowhere else.
    enum class Machine { Scratch, Real };
    explicit InstallScene(Machine machine = Machine::Scratch);
    ~InstallScene();
    InstallScene(const InstallScene&) = delete;
    InstallScene& operator=(const InstallScene&) = delete;

    // The support files' folder, the current directory.
    const testing_support::ScratchDirectory& Sources() const { return sources_; }
    void RemoveSource(const std::string& fileName) const;
    // The bytes the folder holds for fileName.
    static std::vector<BYTE> SourceBytes(const std::string& fileName);

    void AddDeviceKey9x() const;
    // An instance key of the 9x device key, with LowerFilters when given.
    void AddInstance9x(const std::string& instance,
                       const std::optional<std::string>& lowerFilters = std::nullopt) const;
    void SetFilterValue(const std::string& instance, DWORD type, const std::string& bytes) const;
    // The instance's LowerFilters as stored: type and bytes.
    std::optional<testing_support::RegistryValue> FilterValue(const std::string& instance) const;
    // Its text, without the terminating zero.
    std::optional<std::string> Filters(const std::string& instance) const;

    void AddDeviceKeyNT() const;
    void SetCodecAnswering(bool answering) { codec_.SetAnswering(answering); }

private:
    tavimo::UniqueKey Instance(const std::string& instance) const;

    std::optional<testing_support::ScratchRegistry> machine_;
    testing_support::ScratchDirectory sources_;
    std::string previousDirectory_;
    devices::VirtualCodec codec_;
};

// Reads a file whole; empty when it cannot be read.
std::vector<BYTE> FileBytes(const std::string& path);
bool Exists(const std::string& path);

}  // namespace setup_tests
