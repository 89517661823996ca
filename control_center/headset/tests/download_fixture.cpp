#include "download_fixture.h"

#include <cstring>

namespace headset_tests {

ScratchDirectory::ScratchDirectory() {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    path_ = std::string(temp) + "tavimo_presets_" + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryA(path_.c_str(), nullptr);
}

ScratchDirectory::~ScratchDirectory() {
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((path_ + "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = path_ + found.cFileName;
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
                DeleteFileA(name.c_str());
            } else if (found.cFileName[0] != '.') {
                RemoveDirectoryA(name.c_str());
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(path_.c_str());
}

void ScratchDirectory::Write(const std::string& name, const std::vector<BYTE>& bytes) const {
    const HANDLE file = CreateFileA((path_ + name).c_str(), GENERIC_WRITE, 0, nullptr,
                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    ASSERT_EQ(written, bytes.size());
}

void ScratchDirectory::MakeFolder(const std::string& name) const {
    CreateDirectoryA((path_ + name).c_str(), nullptr);
}

std::vector<BYTE> Pattern(std::size_t size, BYTE seed) {
    std::vector<BYTE> bytes(size);
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<BYTE>(seed + i * 7);
    }
    return bytes;
}

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
