#include "headset_restore.h"

#include "hid_device.h"
#include "preset_pipe.h"
#include "registry_mgr.h"
#include "usb_mgr.h"

namespace tray {
namespace {

// The gain report of the microphone preset, through a second instance of
// the headset opened for writing; nothing when it does not open.
void SendMicrophoneGain(devices::HidApi& hid, const UsbNode* node, RestoreFields& fields) {
    CHidDevice writer(hid);
    writer.AttachNode(node);
    if (!writer.OpenForWriting()) {
        return;
    }
    fields.gainRange = writer.OutputRange();
    const RestorePlan plan = PlanRestore(fields.settings, fields.serial, fields.gainRange);
    if (plan.gain) {
        writer.SendGainReport(plan.gain->value, plan.gain->mute);
    }
}

void WritePreset(devices::PipeApi& pipe, const std::optional<std::string>& file) {
    if (file) {
        WritePresetToPipe(pipe, *file);
    }
}

}  // namespace

RestoreFields RestoreHeadset(const RestoreDevices& devices, HWND window) {
    RestoreFields fields;
    {
        CRegistryMgr registry;
        registry.ReadSettings();
        registry.InstallationDirectory();
        fields.settings = registry.Settings();
    }
    CUsbMgr usb(devices.hid, devices.platform);
    usb.Initialise(window);
    CHidDevice headset(devices.hid);
    fields.headsetAttached = usb.HeadsetPresent() && usb.AttachHeadset(headset);
    if (!fields.headsetAttached) {
        return fields;
    }
    fields.serial = headset.SerialText();
    fields.model = PresetModel(fields.serial);
    SendMicrophoneGain(devices.hid, headset.AttachedNode(), fields);
    const RestorePlan plan = PlanRestore(fields.settings, fields.serial, fields.gainRange);
    WritePreset(devices.pipe, plan.micPresetFile);
    WritePreset(devices.pipe, plan.headphonePresetFile);
    return fields;
}

}  // namespace tray
