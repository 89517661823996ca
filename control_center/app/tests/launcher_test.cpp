// The launcher buttons against a scratch registry (the product key, the
// user's open-with lists and the machine's classes) and a recording desktop.
#include "launcher.h"

#include <gtest/gtest.h>

#include <string>

#include "recording_desktop.h"
#include "scratch_registry.h"

namespace {

using testing_support::RecordingDesktop;
using testing_support::ScratchRegistry;

const std::string kAudio = "Software\\Quorvel\\Tavimo\\Audio";
const std::string kTalk = "Software\\Quorvel\\Tavimo\\Talk";
const std::string kFileExts = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\";
const std::string kMp3List = kFileExts + ".mp3\\OpenWithList";
const std::string kDvdList = kFileExts + ".dvd\\OpenWithList";
const std::string kCdCommand = "AudioCD\\Shell\\Play\\command";

class LauncherTest : public ::testing::Test {
protected:
    std::string Stored(const std::string& key, const char* name) const {
        char data[300];
        DWORD size = sizeof data;
        if (RegGetValueA(HKEY_LOCAL_MACHINE, key.c_str(), name, RRF_RT_REG_SZ, nullptr, data,
                         &size) != ERROR_SUCCESS) {
            return "<missing>";
        }
        return data;
    }
    std::string Started(std::size_t i) const {
        return i < desktop.executed.size() ? desktop.executed[i] : "<none>";
    }
    bool UnmappedShown() const {
        return desktop.dialogs.size() == 1 && desktop.dialogs[0].templateId == 10188 &&
               desktop.dialogs[0].titleId == 1019 && desktop.dialogs[0].textId == 1020;
    }

    ScratchRegistry machine{HKEY_LOCAL_MACHINE};
    ScratchRegistry user{HKEY_CURRENT_USER};
    ScratchRegistry classes{HKEY_CLASSES_ROOT};
    RecordingDesktop desktop;
    tavimo::SettingsStore settings;
    tavimo::Launcher launcher{desktop, settings};
};

TEST_F(LauncherTest, Mp3ButtonFindsTheMostRecentOpenWithProgramAndRemembersIt) {
    machine.CreateKey(kAudio);
    user.SetString(kMp3List, "MRUList", "ba");
    user.SetString(kMp3List, "a", "older.exe");
    user.SetString(kMp3List, "b", "player.exe");
    classes.SetString("Applications\\player.exe\\Shell\\Open\\command", nullptr,
                      "\"C:\\Program Files\\Player\\player.exe\" \"%1\"");
    desktop.startable["C:\\Program Files\\Player\\player.exe"] = 42;

    EXPECT_TRUE(launcher.Press(321, nullptr));
    EXPECT_EQ(Started(0), "|C:\\Program Files\\Player\\player.exe||1");
    EXPECT_EQ(Stored(kAudio, "MP3Player0"), "C:\\Program Files\\Player\\player.exe");
    EXPECT_TRUE(desktop.dialogs.empty());
}

TEST_F(LauncherTest, OpenWithFallsBackToTheMachineCommandOfTheExtension) {
    user.SetString(kMp3List, "MRUList", "a");
    user.SetString(kMp3List, "a", "..\\elsewhere.exe");  // not a key name: no lookup below it
    machine.SetString("Software\\Classes\\.mp3\\Shell\\Open\\command", nullptr, "machine.exe %1");
    desktop.startable["machine.exe"] = 33;
    launcher.Press(321, nullptr);
    EXPECT_EQ(Started(0), "|machine.exe||1");
    // Without an "Audio" key the launch works but nothing is remembered.
    EXPECT_EQ(Stored(kAudio, "MP3Player0"), "<missing>");
}

TEST_F(LauncherTest, DvdButtonTakesThePlayVerbAndExpandsItsCommand) {
    SetEnvironmentVariableA("TAVIMO_PLAYERS", "C:\\Players");
    user.SetString(kDvdList, "MRUList", "c");
    user.SetString(kDvdList, "c", "dvd");
    const std::string command = "%TAVIMO_PLAYERS%\\dvd.exe /play";
    machine.Set("Software\\Classes\\.dvd\\Shell\\Play\\command", nullptr, REG_EXPAND_SZ,
                command.c_str(), static_cast<DWORD>(command.size() + 1));
    desktop.startable["C:\\Players\\dvd.exe"] = 33;
    launcher.Press(324, nullptr);
    EXPECT_EQ(Started(0), "|C:\\Players\\dvd.exe||1");
}

TEST_F(LauncherTest, NothingFoundOrNothingStartedShowsTheUnmappedDialog) {
    launcher.Press(321, nullptr);  // no open-with list
    EXPECT_TRUE(desktop.executed.empty());
    EXPECT_TRUE(UnmappedShown());

    desktop.dialogs.clear();
    user.SetString(kMp3List, "MRUList", "");
    launcher.Press(321, nullptr);
    EXPECT_TRUE(UnmappedShown());
}

TEST_F(LauncherTest, AStoredCommandThatFailsIsKept) {
    machine.SetString(kAudio, "CDPlayer0", "C:\\gone\\cd.exe");
    launcher.Press(323, nullptr);
    EXPECT_EQ(Started(0), "|C:\\gone\\cd.exe||1");
    EXPECT_TRUE(UnmappedShown());
    EXPECT_EQ(Stored(kAudio, "CDPlayer0"), "C:\\gone\\cd.exe");
}

TEST_F(LauncherTest, CdButtonFallsBackToTheAudioCdPlayCommand) {
    machine.CreateKey(kAudio);
    classes.SetString("AudioCD\\Shell\\Play\\command", nullptr, "cdplay.exe /play %1");
    desktop.startable["cdplay.exe"] = 33;
    launcher.Press(323, nullptr);
    EXPECT_EQ(Stored(kAudio, "CDPlayer0"), "cdplay.exe");
}

TEST_F(LauncherTest, StoredCommandsLongerThanTheirBufferCountAsMissing) {
    machine.SetString(kAudio, "CDPlayer0", std::string(260, 'c'));
    launcher.Press(323, nullptr);
    EXPECT_TRUE(desktop.executed.empty());
    EXPECT_TRUE(UnmappedShown());
    EXPECT_EQ(Stored(kAudio, "CDPlayer0"), std::string(260, 'c'));
}

TEST_F(LauncherTest, MediaButtonTriesTheThreePlayersWhateverIsStored) {
    machine.SetString(kAudio, "MEDIAPlayer0", "stored.exe");
    desktop.startable["stored.exe"] = 33;
    desktop.startable["mplayer.exe"] = 33;
    launcher.Press(322, nullptr);
    ASSERT_EQ(desktop.executed.size(), 3u);
    EXPECT_EQ(Started(0), "|wmplayer.exe||1");
    EXPECT_EQ(Started(1), "|mplayer2.exe||1");
    EXPECT_EQ(Started(2), "|mplayer.exe||1");
    EXPECT_EQ(Stored(kAudio, "MEDIAPlayer0"), "mplayer.exe");

    desktop.startable.clear();
    desktop.executed.clear();
    launcher.Press(322, nullptr);
    EXPECT_EQ(desktop.executed.size(), 3u);
    EXPECT_TRUE(UnmappedShown());
}

TEST_F(LauncherTest, FixedProgramsAreStoredBeforeTheyStart) {
    machine.CreateKey(kAudio);
    launcher.Press(326, nullptr);
    EXPECT_EQ(Started(0), "|sndvol32.exe||1");
    EXPECT_EQ(Stored(kAudio, "Volume Controls0"), "sndvol32.exe");
    EXPECT_TRUE(UnmappedShown());

    machine.SetString(kAudio, "InternetAudio0", "radio.exe");
    desktop.startable["radio.exe"] = 33;
    launcher.Press(325, nullptr);
    EXPECT_EQ(Started(1), "|radio.exe||1");
}

TEST_F(LauncherTest, VoiceButtonsOnlyReadAndOfferTheApplet) {
    machine.SetString(kTalk, "Chat0", "C:\\Chat\\chat.exe");
    desktop.startable["C:\\Chat\\chat.exe"] = 33;
    launcher.Press(331, nullptr);
    EXPECT_EQ(Started(0), "|C:\\Chat\\chat.exe||1");
    EXPECT_TRUE(desktop.dialogs.empty());

    desktop.dialogs.clear();
    desktop.dialogAnswer = IDCANCEL;
    launcher.Press(327, nullptr);  // nothing stored
    EXPECT_TRUE(UnmappedShown());
    EXPECT_TRUE(desktop.commandLines.empty());
    EXPECT_TRUE(desktop.searchedTitles.empty());

    desktop.dialogs.clear();
    desktop.dialogAnswer = IDOK;
    launcher.Press(335, nullptr);
    ASSERT_EQ(desktop.commandLines.size(), 1u);
    EXPECT_EQ(desktop.commandLines[0], "control.exe tavictrl.cpl");
    EXPECT_EQ(desktop.searchedTitles.back(), "Tavimo USB Audio Controls");

    desktop.existingWindow = reinterpret_cast<HWND>(0x1234);
    launcher.Press(335, nullptr);
    ASSERT_EQ(desktop.broughtForward.size(), 1u);
    EXPECT_EQ(desktop.broughtForward[0], desktop.existingWindow);
    EXPECT_EQ(desktop.commandLines.size(), 1u);
    EXPECT_EQ(Stored(kTalk, "Recognition0"), "<missing>");
}

TEST_F(LauncherTest, DanglingOrMistypedOpenWithListsFindNothing) {
    machine.CreateKey(kAudio);
    user.SetString(kMp3List, "MRUList", "q");  // names no entry
    user.SetString(kMp3List, "a", "player.exe");
    launcher.Press(321, nullptr);
    EXPECT_TRUE(UnmappedShown());

    desktop.dialogs.clear();
    const DWORD order = 'a';
    user.Set(kMp3List, "MRUList", REG_DWORD, &order, sizeof order);
    launcher.Press(321, nullptr);
    EXPECT_TRUE(UnmappedShown());

    desktop.dialogs.clear();
    user.SetString(kMp3List, "MRUList", "a");  // an entry without a command anywhere
    launcher.Press(321, nullptr);
    EXPECT_TRUE(UnmappedShown());
    EXPECT_TRUE(desktop.executed.empty());
    EXPECT_EQ(Stored(kAudio, "MP3Player0"), "<missing>");
}

TEST_F(LauncherTest, AssociatedCommandsOfBlanksOrBeyondTheirBufferStartNothing) {
    machine.CreateKey(kAudio);
    for (const std::string& command :
         {std::string(" \t  "), std::string(260, 'c'), "\"" + std::string(300, 'c') + "\" /play"}) {
        desktop.dialogs.clear();
        classes.SetString(kCdCommand, nullptr, command);
        launcher.Press(323, nullptr);
        EXPECT_TRUE(UnmappedShown()) << command.size();
    }
    // Expanded beyond the buffer, too.
    SetEnvironmentVariableA("TAVIMO_LONG", std::string(260, 'x').c_str());
    const std::string expanding = "%TAVIMO_LONG%\\cd.exe";
    desktop.dialogs.clear();
    classes.Set(kCdCommand, nullptr, REG_EXPAND_SZ, expanding.c_str(),
                static_cast<DWORD>(expanding.size() + 1));
    launcher.Press(323, nullptr);
    EXPECT_TRUE(UnmappedShown());
    EXPECT_TRUE(desktop.executed.empty());
    EXPECT_EQ(Stored(kAudio, "CDPlayer0"), "<missing>");
}

TEST_F(LauncherTest, AssociatedCommandsWithLineEndsOrAnUnclosedQuoteGiveTheirProgram) {
    machine.CreateKey(kAudio);
    classes.SetString(kCdCommand, nullptr, "cdplay.exe\r\n /play");
    desktop.startable["cdplay.exe"] = 33;
    launcher.Press(323, nullptr);
    EXPECT_EQ(Stored(kAudio, "CDPlayer0"), "cdplay.exe");

    machine.DeleteKey(kAudio);
    machine.CreateKey(kAudio);
    classes.SetString(kCdCommand, nullptr, "  \"C:\\CD Player\\cd.exe");
    desktop.startable["C:\\CD Player\\cd.exe"] = 33;
    launcher.Press(323, nullptr);
    EXPECT_EQ(Started(1), "|C:\\CD Player\\cd.exe||1");
    EXPECT_EQ(Stored(kAudio, "CDPlayer0"), "C:\\CD Player\\cd.exe");
    EXPECT_TRUE(desktop.dialogs.empty());
}

TEST_F(LauncherTest, StoredCommandsAreStartedAsTheyStand) {
    machine.SetString(kAudio, "DvdPlayer0", "   ");  // blanks: ShellExecute refuses them
    launcher.Press(324, nullptr);
    EXPECT_EQ(Started(0), "|   ||1");
    EXPECT_TRUE(UnmappedShown());
    EXPECT_EQ(Stored(kAudio, "DvdPlayer0"), "   ");

    desktop.dialogs.clear();
    machine.Set(kTalk, "Gaming0", REG_SZ, "game.exe", 8);  // unterminated
    desktop.startable["game.exe"] = 33;
    launcher.Press(333, nullptr);
    EXPECT_EQ(Started(1), "|game.exe||1");
    EXPECT_TRUE(desktop.dialogs.empty());

    const DWORD mistyped = 1;
    machine.Set(kTalk, "VoiceEmail0", REG_DWORD, &mistyped, sizeof mistyped);
    launcher.Press(334, nullptr);
    EXPECT_TRUE(UnmappedShown());
    EXPECT_EQ(desktop.executed.size(), 2u);
}

TEST_F(LauncherTest, OtherIdsAreNoLauncherButtons) {
    for (int id : {0, 320, 328, 330, 336, 341, -321}) {
        EXPECT_FALSE(launcher.Press(id, nullptr)) << id;
    }
    EXPECT_TRUE(desktop.executed.empty());
    EXPECT_TRUE(desktop.dialogs.empty());
}

}  // namespace
