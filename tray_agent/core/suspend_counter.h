// Standby and resume as the tray agent counts them: each query to suspend
// counts one up, a refused standby takes its query back, each resume counts
// one down, and the headset is restored when a resume brings the count to 0.
// The count never goes below 0, so neither a refused standby nor a resume
// without a query can stop later restores.
#pragma once

namespace tray {

// The power events the agent answers (wParam of WM_POWERBROADCAST).
inline constexpr unsigned long kQuerySuspend = 0x0000;        // PBT_APMQUERYSUSPEND
inline constexpr unsigned long kQuerySuspendFailed = 0x0002;  // PBT_APMQUERYSUSPENDFAILED
inline constexpr unsigned long kResumeSuspend = 0x0007;       // PBT_APMRESUMESUSPEND

struct PowerAnswer {
    // What the window answers: true for the events above, false (0) for
    // any other.
    bool handled;
    bool restore;
};

class SuspendCounter {
public:
    PowerAnswer OnPowerEvent(unsigned long event);
    int Count() const { return count_; }

private:
    int count_ = 0;
};

}  // namespace tray
