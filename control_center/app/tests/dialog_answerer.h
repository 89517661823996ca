// Answers the next dialog that this thread shows, as a user would: once the
// dialog is visible its caption, text (control 10000) and check box label
// (control 11001) are noted, the check box is clicked when asked, and a
// button is clicked. It works from a timer of the thread, so it runs inside
// the dialog's own message loop and needs no second thread.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

namespace frame_tests {

class DialogAnswerer {
public:
    struct Seen {
        std::string title, text, checkBox;
    };

    // One answerer at a time.
    explicit DialogAnswerer(int button, bool tickCheckBox = false);
    ~DialogAnswerer();
    DialogAnswerer(const DialogAnswerer&) = delete;
    DialogAnswerer& operator=(const DialogAnswerer&) = delete;

    // What the dialog showed; nothing while no dialog was answered.
    const std::optional<Seen>& Answered() const { return seen_; }
    // Called just before answering, with the dialog still up.
    std::function<void()> whileShown;

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    void Answer(HWND dialog);

    int button_;
    bool tick_;
    UINT_PTR timer_;
    std::optional<Seen> seen_;
};

}  // namespace frame_tests
