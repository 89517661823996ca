// TavimoDemo.exe: the control center over a virtual headset that the command
// line sets up, with the "Virtual headset" window beside it. Built beside
// TAVIMO.EXE, never installed.
#include <windows.h>

#include <shellapi.h>

#include <memory>
#include <string>
#include <vector>

#include "demo_app.h"
#include "demo_options.h"
#include "headset_actions.h"
#include "language_switch.h"
#include "std_output.h"

namespace {

constexpr int kBadUsage = 2;

struct LocalFreer {
    void operator()(LPWSTR* memory) const { LocalFree(memory); }
};

std::string Utf8(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) {
        return {};
    }
    std::string converted(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, converted.data(), size, nullptr, nullptr);
    converted.resize(static_cast<std::size_t>(size) - 1);
    return converted;
}

// The arguments after the program's name, split as the C runtime splits
// them (quotes and backslashes).
std::vector<std::string> Arguments() {
    int count = 0;
    const std::unique_ptr<LPWSTR, LocalFreer> argv(CommandLineToArgvW(GetCommandLineW(), &count));
    std::vector<std::string> args;
    for (int i = 1; argv && i < count; ++i) {
        args.push_back(Utf8(argv.get()[i]));
    }
    return args;
}

devices::VirtualHeadset::Setup SetupOf(const demo::DemoOptions& options) {
    devices::VirtualHeadset::Setup setup;
    setup.family = options.product == 0x0D31 ? devices::VirtualHeadset::Family::Newer
                                             : devices::VirtualHeadset::Family::Older;
    setup.model = options.model;
    setup.serial = options.serial;
    setup.soundCardFirst = options.soundCard;
    setup.driverMissing = options.driverMissing;
    // Plugged to be set up; unplugged after, when asked.
    setup.plugged = true;
    // Start-up and downloads take the time they take on a real system.
    setup.sleepWaits = true;
    return setup;
}

// A headset in use, not one fresh from the factory with every level at 0.
void SetLevelsInUse(devices::VirtualHeadset& headset) {
    demo::HeadsetActions actions(headset);
    using demo::Action;
    for (const demo::DemoCommand& command :
         {demo::DemoCommand{Action::Volume, 11}, demo::DemoCommand{Action::Bass, 10},
          demo::DemoCommand{Action::Treble, 9}, demo::DemoCommand{Action::Mic, 12}}) {
        actions.Run(command);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const std::vector<std::string> args = Arguments();
    const demo::OptionsResult parsed = demo::ParseOptions(args);
    if (!parsed.options) {
        demo::WriteStd(STD_ERROR_HANDLE, "TavimoDemo: " + parsed.error + "\n");
        demo::WriteStd(STD_ERROR_HANDLE, demo::Usage());
        return kBadUsage;
    }
    if (parsed.options->help) {
        demo::WriteStd(STD_OUTPUT_HANDLE, demo::Usage());
        return 0;
    }
    // Stored before the control center's texts are first read.
    if (!parsed.options->language.empty() && !tavimo::StoreLanguage(parsed.options->language)) {
        demo::WriteStd(STD_ERROR_HANDLE, "TavimoDemo: the language could not be stored\n");
    }
    devices::VirtualHeadset headset(SetupOf(*parsed.options));
    SetLevelsInUse(headset);
    if (!parsed.options->headset) {
        headset.Unplug();
    }
    demo::CDemoApp app(headset);
    return app.Run();
}
