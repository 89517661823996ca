// A stand-in for the taskbar's notification area: a window of the shell's
// tray class that notes each icon call the system hands to it, and can
// refuse them as a taskbar that is not there yet. It is topmost, so that it
// is found before any tray of the system's own. The calls arrive as Wine
// passes them: WM_COPYDATA whose dwData is the action (NIM_ADD, NIM_MODIFY,
// NIM_DELETE) and whose data begins with the icon's fields.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace testing_support {

class StandInTray {
public:
    struct Call {
        DWORD action;
        HWND window;
        UINT id;
        UINT flags;
        UINT callback;
        std::string tip;
        bool accepted;
    };

    StandInTray();
    ~StandInTray();
    StandInTray(const StandInTray&) = delete;
    StandInTray& operator=(const StandInTray&) = delete;

    const std::vector<Call>& Calls() const { return calls_; }
    void Clear() { calls_.clear(); }
    // A refusing tray notes the calls and answers FALSE.
    void Refuse(bool refuse) { refuse_ = refuse; }
    // Whether window's icon id is in the tray after the calls accepted.
    bool Shows(HWND window, UINT id) const;
    // The tooltip of the last accepted call that carried one.
    std::string LastTip() const;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Note(const COPYDATASTRUCT& data);

    HWND window_ = nullptr;
    bool refuse_ = false;
    std::vector<Call> calls_;
};

}  // namespace testing_support
