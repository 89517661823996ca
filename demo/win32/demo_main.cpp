// TavimoDemo.exe: the control center over a virtual headset that the command
// line sets up, with the "Virtual headset" window beside it. Built beside
// TAVIMO.EXE, never installed.
#include <windows.h>

#include <string>
#include <vector>

#include "demo_app.h"
#include "demo_options.h"
#include "headset_actions.h"
#include "language_switch.h"
#include "std_output.h"

namespace {

constexpr int kBadUsage = 2;

// The arguments after the program's name, as the C runtime split them
// (quotes and backslashes) in the system's code page: the demo's options
// are plain ASCII. (CommandLineToArgvW would load shell32 at start-up.)
std::vector<std::string> Arguments() {
    std::vector<std::string> args;
    for (int i = 1; __argv != nullptr && i < __argc; ++i) {
        args.emplace_back(__argv[i]);
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
