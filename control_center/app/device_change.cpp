// The frame following the headset's arrival and removal: WM_DEVICECHANGE as
// the portable decision says, "winmm_devicechange", and the rebuild of the
// panels for whatever headset is there now.
#include <windows.h>

#include <dbt.h>

#include <cstddef>
#include <cstring>
#include <optional>
#include <string_view>

#include "device_change.h"
#include "main_frame.h"

namespace tavimo {
namespace {

bool IsWindows2000() {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    return GetVersionExA(&version) && version.dwMajorVersion == 5 && version.dwMinorVersion == 0;
}

// The interface path a device-interface broadcast names; nothing for no
// broadcast, another kind of broadcast or one too short to hold a name.
std::optional<std::string_view> BroadcastPath(LPARAM data) {
    const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(data);
    constexpr std::size_t kNameAt = offsetof(DEV_BROADCAST_DEVICEINTERFACE_A, dbcc_name);
    if (header == nullptr || header->dbch_devicetype != DBT_DEVTYP_DEVICEINTERFACE ||
        header->dbch_size <= kNameAt) {
        return std::nullopt;
    }
    const char* name = reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_A*>(header)->dbcc_name;
    const std::size_t room = header->dbch_size - kNameAt;
    const void* end = std::memchr(name, '\0', room);
    return std::string_view(
        name,
        end != nullptr ? static_cast<std::size_t>(static_cast<const char*>(end) - name) : room);
}

}  // namespace

void CMainFrame::OpenMixer() {
    audio_.OpenMixer(m_hWnd, IsWindows2000());
}

void CMainFrame::OnDeviceChange(WPARAM event, LPARAM data) {
    Broadcast broadcast = Broadcast::None;
    if (const auto path = BroadcastPath(data)) {
        const bool ours = audio_.Hid().IsOpen() && SameDevicePath(*path, audio_.Hid().Path());
        broadcast = ours ? Broadcast::OpenHeadset : Broadcast::OtherDevice;
    }
    const DeviceState state{audio_.ProductId(), arrivalPending_, audio_.MixerIsOpen(),
                            audio_.HeadsetReady()};
    const DeviceAction action = DecideDeviceChange(static_cast<unsigned>(event), state, broadcast);
    arrivalPending_ = action.arrivalPending;
    if (action.closeHeadset) {
        audio_.CloseHeadset();
    }
    if (action.openHeadset) {
        audio_.OpenHeadset(m_hWnd);  // silent: messages are for start-up only
    }
    if (action.openMixer) {
        OpenMixer();
    }
    bool rebuild = action.rebuild;
    if (action.probeCodec && !audio_.CodecStillPresent()) {
        audio_.CloseHeadset();
        rebuild = true;
    }
    if (rebuild) {
        Rebuild();
    }
}

void CMainFrame::OnAudioDevicesChanged() {
    OpenMixer();
    FullRefresh();
}

void CMainFrame::Rebuild() {
    ReloadLayout();
    FullRefresh();
}

}  // namespace tavimo
