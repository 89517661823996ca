#include "download_fixture.h"

#include <cstring>

namespace headset_tests {

std::vector<BYTE> CodecFile(const std::vector<double>& values) {
    std::vector<BYTE> bytes(values.size() * sizeof(double));
    std::memcpy(bytes.data(), values.data(), bytes.size());  // little-endian, as the file
    return bytes;
}

devices::VirtualHid::Device DownloadTest::Headset(USHORT product, const wchar_t* serial) {
    devices::VirtualHid::Device device;
    device.productId = product;
    device.serial = serial;
    return device;
}

int DownloadTest::Open(std::vector<devices::VirtualHid::Device> devices,
                       headset::CodecAccess::Libraries libraries) {
    audio.reset();
    hid = std::make_unique<devices::VirtualHid>(devices);
    audio = std::make_unique<headset::HeadsetAudio>(
        devices::DeviceSet{mixer, *hid, pipe, platform, wave}, libraries);
    audio->OpenMixer(window.get(), false);
    return audio->OpenHeadset(window.get(), [this](UINT title, UINT text) {
        messages.push_back({title, text});
    });
}

std::vector<DWORD> DownloadTest::VolumeWrites() const {
    const DWORD volume =
        mixer.ControlId(MIXERLINE_COMPONENTTYPE_DST_SPEAKERS, MIXERCONTROL_CONTROLTYPE_VOLUME);
    std::vector<DWORD> values;
    for (const auto& write : mixer.Writes()) {
        if (write.controlId == volume) {
            values.push_back(write.values.front());
        }
    }
    return values;
}

}  // namespace headset_tests
