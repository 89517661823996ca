// Answers the next message box of a process as a user would, from a timer
// of this thread: in this process it runs inside the box's own message
// loop, for another process while this thread waits pumping messages.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace testing_support {

class BoxAnswerer {
public:
    struct Seen {
        std::string caption, text;
    };

    // One answerer at a time.
    explicit BoxAnswerer(DWORD processId = GetCurrentProcessId());
    ~BoxAnswerer();
    BoxAnswerer(const BoxAnswerer&) = delete;
    BoxAnswerer& operator=(const BoxAnswerer&) = delete;

    // Every box answered so far, in order.
    const std::vector<Seen>& Answered() const { return seen_; }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);

    DWORD processId_;
    UINT_PTR timer_;
    HWND last_ = nullptr;
    std::vector<Seen> seen_;
};

// Dispatches this thread's messages until done() holds or a generous safety
// limit passes; done()'s last answer.
bool WaitPumping(const std::function<bool()>& done);

}  // namespace testing_support
