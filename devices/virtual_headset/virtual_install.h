// The system's device installation as the headset's installer meets it:
// the present USB devices with their hardware ids (or none), an INF store
// that knows which INF files it already holds, and the driver update with
// its restart request. Every call is recorded; placing an INF and updating
// a driver can be made to fail, and devices can come and go between calls
// (a headset plugged in while the installer waits).
#pragma once

#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "install_api.h"

namespace devices {

class VirtualInstall final : public InstallApi {
public:
    struct Device {
        // The SPDRP_HARDWAREID strings; nullopt: the device has no such property.
        std::optional<std::vector<std::string>> hardwareIds;
    };
    struct Call {
        std::string function;
        std::string text;  // the INF path, or the hardware id of a driver update
        DWORD flags = 0;   // the copy style, or the update's flags
        bool operator==(const Call&) const = default;
    };

    // A present device, listed after those present already.
    void Plug(Device device);
    void UnplugAll();
    // The INF store already holds an INF of this file name.
    void HoldInf(const std::string& fileName);
    // The next placement fails with error.
    void FailNextPlacement(DWORD error);
    // The next driver update fails with error.
    void FailNextUpdate(DWORD error);
    // Driver updates from now on ask for (or do not ask for) a restart.
    void AskRestart(bool ask);

    std::vector<Call> Calls() const;
    std::vector<Call> Calls(const std::string& function) const;
    // Device sets given out and not destroyed.
    int OpenSets() const;

    HDEVINFO GetClassDevs(const GUID* setupClass, DWORD flags) override;
    BOOL EnumDeviceInfo(HDEVINFO set, DWORD index, SP_DEVINFO_DATA* data) override;
    BOOL GetDeviceRegistryProperty(HDEVINFO set, SP_DEVINFO_DATA* data, DWORD property, DWORD* type,
                                   BYTE* buffer, DWORD size, DWORD* required) override;
    BOOL DestroyDeviceInfoList(HDEVINFO set) override;
    BOOL CopyOEMInf(const char* infPath, const char* mediaLocation, DWORD mediaType,
                    DWORD copyStyle) override;
    BOOL UpdateDriver(HWND owner, const char* hardwareId, const char* infPath, DWORD flags,
                      BOOL* restart) override;

private:
    // The devices listed in set (a snapshot taken when it was opened).
    const std::vector<Device>* Listed(HDEVINFO set) const;

    mutable std::mutex lock_;
    std::vector<Device> devices_;
    // One snapshot per set given out; index + 1 is the set's value, empty
    // once destroyed.
    std::vector<std::optional<std::vector<Device>>> sets_;
    std::set<std::string> store_;
    std::optional<DWORD> failPlacement_, failUpdate_;
    bool askRestart_ = false;
    std::vector<Call> calls_;
};

}  // namespace devices
