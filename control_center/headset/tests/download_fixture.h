// The headset model over a whole virtual headset, and a scratch
// installation directory for its preset files.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "headset_audio.h"
#include "scratch_directory.h"
#include "test_window.h"
#include "virtual_codec.h"
#include "virtual_hid.h"
#include "virtual_mixer.h"
#include "virtual_pipe.h"
#include "virtual_platform.h"
#include "virtual_wave.h"

namespace headset_tests {

using testing_support::Pattern;
using testing_support::ScratchDirectory;

// A codec preset of sixteen doubles.
std::vector<BYTE> CodecFile(const std::vector<double>& values);

struct Message {
    UINT title, text;
    bool operator==(const Message&) const = default;
};

class DownloadTest : public ::testing::Test {
protected:
    static devices::VirtualHid::Device Headset(USHORT product, const wchar_t* serial);

    // Builds the model over hid devices; opens the mixer first (the volume
    // dip needs it), then the headset.
    int Open(std::vector<devices::VirtualHid::Device> devices,
             headset::CodecAccess::Libraries libraries = {});
    // The volume values the mixer was given, in order.
    std::vector<DWORD> VolumeWrites() const;

    testing_support::OwnerWindow window;
    ScratchDirectory directory;
    devices::VirtualMixer mixer;
    devices::VirtualPipe pipe;
    devices::VirtualPlatform platform;
    devices::VirtualWave wave;
    std::unique_ptr<devices::VirtualHid> hid;
    std::unique_ptr<headset::HeadsetAudio> audio;
    std::vector<Message> messages;
};

}  // namespace headset_tests
