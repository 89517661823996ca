// Opening and closing the whole headset, and the equalizer presets sent
// through the virtual filter driver's pipe or the stand-in codec library.
#include <cmath>
#include <limits>

#include "codec_preset.h"
#include "download_fixture.h"
#include "headset_ids.h"
#include "preset_reader.h"

namespace headset_tests {
namespace {

using Blocks = std::vector<std::vector<BYTE>>;
using Waits = std::vector<DWORD>;
constexpr USHORT kOlder = tavimo::kOlderProductId;
constexpr USHORT kNewer = tavimo::kNewerProductId;

bool Loaded(const char* library) {
    return GetModuleHandleA(library) != nullptr;
}

// The gain report of the virtual headset: [id, mute, gain low, gain high].
std::vector<BYTE> GainReport(BYTE mute, WORD gain) {
    return {0, mute, static_cast<BYTE>(gain & 0xFF), static_cast<BYTE>(gain >> 8)};
}

std::vector<double> Words(double first = 1.9) {
    std::vector<double> values(16);
    values[0] = std::numeric_limits<double>::quiet_NaN();  // not looked at
    for (std::size_t i = 1; i < 16; ++i) {
        values[i] = static_cast<double>(i) * -1000.5;
    }
    values[1] = first;
    return values;
}

}  // namespace

TEST_F(DownloadTest, OlderFamilyWritesWholeHeadphoneBlocksIntoThePipe) {
    ASSERT_EQ(Open({Headset(kOlder, L"400-0417-0102")}), 1);
    EXPECT_TRUE(audio->HeadsetReady());
    EXPECT_TRUE(messages.empty());
    directory.Write("HS4003.BIN", Pattern(94));
    directory.Write("HS4004.BIN", Pattern(95, 9));
    directory.Write("HS4005.BIN", Pattern(93));
    directory.Write("HS4006.BIN", {});
    directory.MakeFolder("HS4007.BIN");

    EXPECT_EQ(audio->DownloadHeadphonePreset(2, directory.Path()), 94);
    EXPECT_EQ(audio->DownloadHeadphonePreset(3, directory.Path()), 94);  // its first 94 bytes
    for (int index : {4, 5, 6, 0}) {  // short, empty, a folder, missing
        EXPECT_EQ(audio->DownloadHeadphonePreset(index, directory.Path()), 0) << index;
    }
    std::vector<BYTE> cut = Pattern(95, 9);
    cut.resize(94);
    EXPECT_EQ(pipe.Blocks(), (Blocks{Pattern(94), cut}));
    EXPECT_EQ(pipe.OpenHandles(), 0);
    EXPECT_TRUE(platform.Waits().empty());
    // The newer family's file is not the older one's.
    directory.Write("ZHS4001.BIN", CodecFile(Words()));
    EXPECT_EQ(audio->DownloadHeadphonePreset(0, directory.Path()), 0);
}

TEST_F(DownloadTest, MicrophonePresetsSendTheGainReportThenTheBlock) {
    auto device = Headset(kOlder, L"200-0417-0102");
    device.gainMinimum = 0;
    device.gainMaximum = 100;
    ASSERT_EQ(Open({device}), 1);
    directory.Write("MIC2002.BIN", Pattern(94, 3));
    EXPECT_EQ(audio->DownloadMicPreset(1, directory.Path()), 94);
    EXPECT_EQ(audio->DownloadMicPreset(0, directory.Path()), 0);  // no MIC2001.BIN
    EXPECT_EQ(hid->OutputReports(),
              (std::vector<std::vector<BYTE>>{GainReport(0, 75), GainReport(1, 0)}));
    EXPECT_EQ(pipe.Blocks(), (Blocks{Pattern(94, 3)}));
    EXPECT_EQ(audio->SilenceMicGain(), 1);
    EXPECT_EQ(hid->OutputReports().back(), GainReport(1, 0));
}

TEST_F(DownloadTest, AGainRangeEndingBelowItsStartSendsNoGain) {
    auto device = Headset(kOlder, L"200-0417-0102");
    device.gainMinimum = 100;
    device.gainMaximum = 0;
    ASSERT_EQ(Open({device}), 1);
    directory.Write("MIC2002.BIN", Pattern(94));
    EXPECT_EQ(audio->SendMicGainForPreset(1), 0);
    EXPECT_EQ(audio->DownloadMicPreset(1, directory.Path()), 94);
    EXPECT_TRUE(hid->OutputReports().empty());
}

TEST_F(DownloadTest, ModelZeroNeverDownloads) {
    ASSERT_EQ(Open({Headset(kOlder, L"X-0417")}), 1);
    directory.Write("HS01.BIN", Pattern(94));
    directory.Write("MIC01.BIN", Pattern(94));
    EXPECT_EQ(audio->DownloadHeadphonePreset(0, directory.Path()), 0);
    EXPECT_EQ(audio->DownloadMicPreset(0, directory.Path()), 0);
    EXPECT_TRUE(pipe.Blocks().empty());
    EXPECT_TRUE(hid->OutputReports().empty());
}

TEST_F(DownloadTest, APipeThatNeverOpensIsTriedThreeTimesWithAPauseAfterEach) {
    ASSERT_EQ(Open({Headset(kOlder, L"100-1-1")}), 1);
    directory.Write("HS1001.BIN", Pattern(94));
    pipe.FailOpens(3);
    EXPECT_EQ(audio->DownloadHeadphonePreset(0, directory.Path()), 0);
    EXPECT_EQ(pipe.OpenCalls(), 3);
    EXPECT_EQ(pipe.WriteCalls(), 0);
    EXPECT_EQ(platform.Waits(), (Waits{500, 500, 500}));

    platform.ClearWaits();
    pipe.FailOpens(2);
    pipe.FailWrites(2);
    EXPECT_EQ(audio->DownloadHeadphonePreset(0, directory.Path()), 94);
    EXPECT_EQ(platform.Waits(), (Waits{500, 500, 500, 500}));
    EXPECT_EQ(pipe.WriteCalls(), 3);
    EXPECT_EQ(pipe.OpenHandles(), 0);

    platform.ClearWaits();
    pipe.FailWrites(3);
    EXPECT_EQ(audio->DownloadHeadphonePreset(0, directory.Path()), 0);
    EXPECT_EQ(platform.Waits(), (Waits{500, 500, 500}));
    EXPECT_EQ(pipe.OpenHandles(), 0);
    EXPECT_EQ(pipe.Blocks().size(), 1u);
}

TEST_F(DownloadTest, NamesThatDoNotFitSendNothing) {
    ASSERT_EQ(Open({Headset(kOlder, L"2147483647-1-1")}), 1);
    const std::string longest(259, 'd');
    EXPECT_EQ(audio->DownloadHeadphonePreset(0, longest), 0);
    EXPECT_EQ(audio->DownloadMicPreset(0, longest), 0);
    EXPECT_EQ(pipe.OpenCalls(), 0);
}

TEST_F(DownloadTest, WithoutThePipeTheHeadsetOpensNotReadyWithTheDriverMessage) {
    pipe.SetPresent(false);
    ASSERT_EQ(Open({Headset(kOlder, L"100-1-1")}), 1);
    EXPECT_FALSE(audio->HeadsetReady());
    EXPECT_EQ(messages, (std::vector<Message>{{1124, 1127}}));
    directory.Write("HS1001.BIN", Pattern(94));
    EXPECT_EQ(audio->DownloadHeadphonePreset(0, directory.Path()), 0);
    EXPECT_EQ(pipe.OpenSets(), 0);
}

TEST_F(DownloadTest, NoHeadsetOfTheMakerGivesTheMissingHeadsetMessage) {
    auto mouse = Headset(0x0001, L"0");
    mouse.vendorId = 0x845E;
    EXPECT_EQ(Open({mouse}), 0);
    EXPECT_EQ(messages, (std::vector<Message>{{1021, 1022}}));
    EXPECT_FALSE(audio->HeadsetReady());
    // Without a sink nothing is shown.
    EXPECT_EQ(audio->OpenHeadset(window.get()), 0);
    EXPECT_EQ(messages.size(), 1u);
}

TEST_F(DownloadTest, NewerFamilyWritesTheFifteenWordsWithTheVolumeLoweredAround) {
    devices::VirtualCodec codec;
    ASSERT_TRUE(codec.IsValid());
    mixer.Preset(MIXERLINE_COMPONENTTYPE_DST_SPEAKERS, MIXERCONTROL_CONTROLTYPE_VOLUME,
                 {65535, 65535});
    ASSERT_EQ(Open({Headset(kNewer, L"300-0417-0102")}), 1);
    ASSERT_TRUE(audio->HeadsetReady());
    EXPECT_TRUE(audio->CodecLoaded());
    EXPECT_EQ(audio->CodecStillPresent(), 1);
    directory.Write("ZHS3002.BIN", CodecFile(Words(-1.9)));

    EXPECT_EQ(audio->DownloadHeadphonePreset(1, directory.Path()), 1);
    const auto records = codec.Records();
    const std::uint32_t addresses[] = {33, 34, 32, 36, 37, 35, 39, 40, 38, 42, 43, 41, 45, 46, 44};
    ASSERT_EQ(records.size(), 15u);
    for (std::size_t i = 0; i < 15; ++i) {
        EXPECT_EQ(records[i].address, addresses[i]);
        EXPECT_EQ(records[i].value, i == 0 ? -1 : static_cast<int>(-1000.5 * double(i + 1)));
    }
    EXPECT_EQ(platform.Waits(), (Waits{250}));
    EXPECT_EQ(VolumeWrites(), (std::vector<DWORD>{0, 65535}));
    EXPECT_EQ(audio->GetVolumePosition(), 16);

    // Without a file the volume still dips; nothing is written.
    EXPECT_EQ(audio->DownloadHeadphonePreset(6, directory.Path()), 0);
    EXPECT_EQ(VolumeWrites(), (std::vector<DWORD>{0, 65535, 0, 65535}));
    EXPECT_EQ(codec.Records().size(), 15u);
    // No microphone presets for this family.
    directory.Write("MIC3001.BIN", Pattern(94));
    EXPECT_EQ(audio->DownloadMicPreset(0, directory.Path()), 0);
}

TEST_F(DownloadTest, ACodecPresetWithAWordThatIsNoIntegerIsNotWrittenAtAll) {
    devices::VirtualCodec codec;
    ASSERT_EQ(Open({Headset(kNewer, L"300-1-1")}), 1);
    const double bad[] = {std::numeric_limits<double>::quiet_NaN(),
                          std::numeric_limits<double>::infinity(),
                          -std::numeric_limits<double>::infinity(), 2147483648.0};
    for (double value : bad) {
        auto words = Words();
        words[15] = value;
        directory.Write("ZHS3001.BIN", CodecFile(words));
        EXPECT_EQ(audio->DownloadHeadphonePreset(0, directory.Path()), 0) << value;
    }
    directory.Write("ZHS3001.BIN", Pattern(127));
    EXPECT_EQ(audio->DownloadHeadphonePreset(0, directory.Path()), 0);
    EXPECT_TRUE(codec.Records().empty());
}

TEST_F(DownloadTest, EveryCodecBindingFailureLeavesNothingLoadedAndTheHeadsetNotReady) {
    struct Case {
        const char* what;
        headset::CodecAccess::Libraries libraries;
        bool codecBlock;
    };
    const Case cases[] = {
        {"library missing", {"NOSUCH_HSIO.DLL", "BANDCALC.DLL"}, true},
        {"exports missing", {"BANDCALC.DLL", "BANDCALC.DLL"}, true},
        {"probe failing", {"HSIO.DLL", "BANDCALC.DLL"}, false},
        {"coefficients missing", {"HSIO.DLL", "NOSUCH_BANDCALC.DLL"}, true},
        {"coefficient exports missing", {"HSIO.DLL", "HSIO.DLL"}, true},
    };
    for (const Case& c : cases) {
        messages.clear();
        std::unique_ptr<devices::VirtualCodec> codec;
        if (c.codecBlock) {
            codec = std::make_unique<devices::VirtualCodec>();
        }
        ASSERT_EQ(Open({Headset(kNewer, L"300-1-1")}, c.libraries), 1) << c.what;
        EXPECT_FALSE(audio->HeadsetReady()) << c.what;
        EXPECT_FALSE(audio->CodecLoaded()) << c.what;
        EXPECT_FALSE(Loaded("HSIO.DLL")) << c.what;
        EXPECT_FALSE(Loaded("BANDCALC.DLL")) << c.what;
        EXPECT_EQ(messages, (std::vector<Message>{{1124, 1125}})) << c.what;
        EXPECT_EQ(audio->CodecStillPresent(), 0) << c.what;
    }
}

TEST_F(DownloadTest, ReopeningStartsFromScratchAndClosingReleasesEverything) {
    devices::VirtualCodec codec;
    ASSERT_EQ(Open({Headset(kNewer, L"300-1-1")}), 1);
    const int handles = hid->OpenHandles();
    ASSERT_EQ(audio->OpenHeadset(window.get()), 1);  // without a close between
    EXPECT_EQ(hid->OpenHandles(), handles);
    EXPECT_EQ(hid->LivePreparsedData(), 1);
    EXPECT_TRUE(audio->CodecLoaded());
    EXPECT_EQ(audio->CloseHeadset(), 1);
    EXPECT_FALSE(Loaded("HSIO.DLL"));
    EXPECT_FALSE(Loaded("BANDCALC.DLL"));
    EXPECT_EQ(hid->OpenHandles(), 0);
    EXPECT_FALSE(audio->MixerIsOpen());
    EXPECT_FALSE(audio->HeadsetReady());
    // The product is kept, the model is not.
    EXPECT_EQ(audio->ProductId(), kNewer);
    EXPECT_EQ(audio->ModelNumber(), 0);
    EXPECT_EQ(audio->CloseHeadset(), 1);
}

TEST_F(DownloadTest, ACodecThatStopsAnsweringIsNoLongerPresent) {
    devices::VirtualCodec codec;
    ASSERT_EQ(Open({Headset(kNewer, L"300-1-1")}), 1);
    EXPECT_EQ(audio->CodecStillPresent(), 1);
    codec.SetAnswering(false);
    EXPECT_EQ(audio->CodecStillPresent(), 0);
    EXPECT_EQ(audio->CloseHeadset(), 1);
    EXPECT_EQ(audio->CodecStillPresent(), 0);
}

TEST_F(DownloadTest, OlderFamilyClosesWithResultZero) {
    ASSERT_EQ(Open({Headset(kOlder, L"100-1-1")}), 1);
    EXPECT_EQ(audio->CodecStillPresent(), 0);
    EXPECT_EQ(audio->CloseHeadset(), 0);
    EXPECT_FALSE(audio->HeadsetReady());
}

}  // namespace headset_tests

namespace headset_tests {

// The files this suite ships, copied beside the tests.
std::string ShippedPresets() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1) + "presets\\";
}

TEST_F(DownloadTest, ShippedBlocksReachTheDriverAsTheirModelsPresets) {
    ASSERT_EQ(Open({Headset(kOlder, L"500-0417-0102")}), 1);
    for (int index = 0; index < 7; ++index) {
        ASSERT_EQ(audio->DownloadHeadphonePreset(index, ShippedPresets()), 94) << index;
    }
    for (int index = 0; index < 4; ++index) {
        ASSERT_EQ(audio->DownloadMicPreset(index, ShippedPresets()), 94) << index;
    }
    const auto decoded = pipe.Decoded();
    ASSERT_EQ(decoded.size(), 11u);
    for (std::size_t i = 0; i < decoded.size(); ++i) {
        ASSERT_TRUE(decoded[i].has_value()) << i;
        EXPECT_EQ(decoded[i]->model, 500);
        EXPECT_EQ(decoded[i]->index, i < 7 ? i : i - 7);
        EXPECT_EQ(decoded[i]->kind,
                  i < 7 ? presets::BlockKind::Headphone : presets::BlockKind::Microphone);
    }
}

TEST_F(DownloadTest, TheCodecRecordsAShippedFilesWordsInOrder) {
    devices::VirtualCodec codec;
    ASSERT_EQ(Open({Headset(kNewer, L"100-0417-0102")}), 1);
    for (int index = 0; index < 7; ++index) {
        codec.ClearRecords();
        ASSERT_EQ(audio->DownloadHeadphonePreset(index, ShippedPresets()), 1) << index;
        const auto file =
            headset::ReadPresetFile(headset::PresetFileName(headset::PresetKind::CodecHeadphone,
                                                            ShippedPresets(), 100, index),
                                    headset::kCodecPresetSize);
        ASSERT_TRUE(file.has_value());
        const auto records = codec.Records();
        ASSERT_EQ(records.size(), 15u);
        for (std::size_t word = 0; word < 15; ++word) {
            const double value = headset::PresetValue(
                std::span<const std::uint8_t, headset::kCodecPresetSize>(*file), word + 1);
            EXPECT_EQ(records[word].value, static_cast<std::int32_t>(value));
            EXPECT_EQ(records[word].address, headset::kDspAddresses[word]);
        }
    }
}

}  // namespace headset_tests

namespace headset_tests {

TEST_F(DownloadTest, HidDevicesAreNotListedForTheDriversClass) {
    ASSERT_EQ(Open({Headset(kOlder, L"100-1-1")}), 1);
    const HDEVINFO set = hid->GetClassDevs(&devices::kFilterDriverClass, DIGCF_DEVICEINTERFACE);
    SP_DEVICE_INTERFACE_DATA data = {};
    data.cbSize = sizeof data;
    EXPECT_FALSE(hid->EnumDeviceInterfaces(set, &devices::kFilterDriverClass, 0, &data));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_MORE_ITEMS));
    GUID hidClass;
    hid->GetHidGuid(&hidClass);
    EXPECT_TRUE(hid->EnumDeviceInterfaces(set, &hidClass, 0, &data));
    hid->DestroyDeviceInfoList(set);
}

}  // namespace headset_tests

namespace headset_tests {

TEST_F(DownloadTest, ALongInterfacePathArrivesWhole) {
    pipe.SetInterfacePath("\\\\?\\usb#vid_a5c1&pid_0b52#" + std::string(400, 'p'));
    ASSERT_EQ(Open({Headset(kOlder, L"100-1-1")}), 1);
    ASSERT_TRUE(audio->HeadsetReady());
    directory.Write("HS1001.BIN", Pattern(94));
    EXPECT_EQ(audio->DownloadHeadphonePreset(0, directory.Path()), 94);
}

}  // namespace headset_tests

namespace headset_tests {

TEST_F(DownloadTest, ANewerHeadsetAfterAnOlderOneGetsNoPipeWrites) {
    devices::VirtualCodec codec;
    ASSERT_EQ(Open({Headset(kOlder, L"100-1-1")}), 1);
    hid->Unplug(0);
    hid->Plug(Headset(kNewer, L"100-1-1"));
    ASSERT_EQ(audio->OpenHeadset(window.get()), 1);
    ASSERT_EQ(audio->ProductId(), kNewer);
    directory.Write("MIC1001.BIN", Pattern(94));
    EXPECT_EQ(audio->DownloadMicPreset(0, directory.Path()), 0);
    EXPECT_EQ(pipe.OpenCalls(), 0);
    EXPECT_TRUE(hid->OutputReports().empty());
}

}  // namespace headset_tests
