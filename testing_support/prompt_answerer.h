// Answers the message boxes that this thread (or another process) shows, as
// a user would, one
// scripted answer after the other: each box's caption and text are noted,
// an optional action runs while the box is up (a headset plugged in, say),
// then the answer's button is pressed. Boxes beyond the script get the
// button given for them (Cancel unless told), so a wait that never ends fails
// its test instead of hanging.
// It works from a timer of this thread: inside the box's own message loop
// for this thread's boxes, while the thread waits dispatching messages for
// another process's.
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace testing_support {

class PromptAnswerer {
public:
    struct Answer {
        int button;
        std::function<void()> whileShown;
    };
    struct Seen {
        std::string caption, text;
    };

    // One answerer at a time. processId 0: the boxes of this thread.
    PromptAnswerer(std::initializer_list<Answer> script = {}, DWORD processId = 0,
                   int beyondScript = IDCANCEL);
    ~PromptAnswerer();
    PromptAnswerer(const PromptAnswerer&) = delete;
    PromptAnswerer& operator=(const PromptAnswerer&) = delete;

    const std::vector<Seen>& Prompts() const { return seen_; }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    void Respond(HWND box);

    std::vector<Answer> script_;
    DWORD processId_;
    int beyondScript_;
    std::vector<Seen> seen_;
    HWND last_ = nullptr;
    UINT_PTR timer_;
};

}  // namespace testing_support
