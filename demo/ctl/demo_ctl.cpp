// demo_ctl: drives the running demo's "Virtual headset" window from scripts.
//   demo_ctl COMMAND [VALUE]
// Exit code 0 when the window did it, 1 when there is no window or it could
// not be done now (a level with the headset unplugged, ...), 2 for a command
// line that is no command. "status" prints the headset's state.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <string>

#include "demo_command.h"

namespace {

constexpr int kDone = 0, kNotDone = 1, kBadUsage = 2;
constexpr UINT kAnswerTimeoutMs = 10000;
constexpr char kReplyClass[] = "TavimoDemoCtlReply";

// The status the window sends back while it handles the command.
std::string g_status;

LRESULT CALLBACK ReplyProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COPYDATA) {
        const auto& data = *reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        if (data.dwData == demo::kStatusTag && data.lpData != nullptr) {
            g_status.assign(static_cast<const char*>(data.lpData), data.cbData);
            return TRUE;
        }
        return FALSE;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// A message-only window for the status, destroyed with the scope.
class ReplyWindow {
public:
    ReplyWindow() {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = ReplyProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = kReplyClass;
        RegisterClassA(&windowClass);
        window_ = CreateWindowExA(0, kReplyClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    }
    ~ReplyWindow() {
        if (window_ != nullptr) {
            DestroyWindow(window_);
        }
    }
    ReplyWindow(const ReplyWindow&) = delete;
    ReplyWindow& operator=(const ReplyWindow&) = delete;
    HWND get() const { return window_; }

private:
    HWND window_ = nullptr;
};

int Usage(const std::string& text) {
    std::fprintf(stderr, "demo_ctl: not a command: '%s'\nusage: demo_ctl COMMAND\n%.*s",
                 text.c_str(), static_cast<int>(demo::CommandUsage().size()),
                 demo::CommandUsage().data());
    return kBadUsage;
}

}  // namespace

int main(int argc, char** argv) {
    std::string text;
    for (int i = 1; i < argc; ++i) {
        text += (i > 1 ? " " : "") + std::string(argv[i]);
    }
    const std::optional<demo::DemoCommand> command = demo::ParseCommand(text);
    if (!command) {
        return Usage(text.substr(0, demo::kMaxCommandLength));
    }
    const HWND window = FindWindowA(demo::kHeadsetWindowClass, demo::kHeadsetWindowTitle);
    if (window == nullptr) {
        std::fprintf(stderr, "demo_ctl: no \"%s\" window: is TavimoDemo.exe running?\n",
                     demo::kHeadsetWindowTitle);
        return kNotDone;
    }
    const ReplyWindow reply;
    COPYDATASTRUCT data = {demo::kCommandTag, static_cast<DWORD>(text.size()), text.data()};
    DWORD_PTR answer = FALSE;
    if (!SendMessageTimeoutA(window, WM_COPYDATA, reinterpret_cast<WPARAM>(reply.get()),
                             reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG, kAnswerTimeoutMs,
                             &answer)) {
        std::fprintf(stderr, "demo_ctl: the \"%s\" window did not answer\n",
                     demo::kHeadsetWindowTitle);
        return kNotDone;
    }
    if (answer != TRUE) {
        std::fprintf(stderr, "demo_ctl: the virtual headset cannot do '%s' now\n", text.c_str());
        return kNotDone;
    }
    if (command->action == demo::Action::Status) {
        if (g_status.empty()) {
            std::fprintf(stderr, "demo_ctl: no status came back\n");
            return kNotDone;
        }
        // Lines end in LF alone, for the scripts that read them.
        _setmode(_fileno(stdout), _O_BINARY);
        std::fwrite(g_status.data(), 1, g_status.size(), stdout);
    }
    return kDone;
}
