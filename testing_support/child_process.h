// Runs the suite's programs from a test as the shell would, with this
// thread's messages dispatched while they run (so that a program may send
// messages to the test's windows).
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "unique_handle.h"

namespace testing_support {

// The full path of a file beside the running test program.
std::string PathBesideTest(const char* fileName);

class ChildProcess {
public:
    // Starts commandLine (the program path first, quoted if it has blanks).
    explicit ChildProcess(const std::string& commandLine);

    bool IsRunning() const;
    // The process id; 0 when it never started.
    DWORD Id() const { return id_; }
    // Whether it waits for input in its message loop, done starting.
    bool IsIdle() const;
    // Ends it at once if it still runs, as a test that failed must.
    void EndIfRunning();

    // Its exit code once it ends. nullopt if it never started or was still
    // running after a generous safety limit (it is then ended), so that a
    // program that hangs fails its test instead of stopping the run.
    std::optional<DWORD> WaitPumpingMessages();

private:
    tavimo::UniqueHandle process_;
    tavimo::UniqueHandle thread_;
    DWORD id_ = 0;
};

// A program's exit code (nullopt as for WaitPumpingMessages) and what it
// wrote to its standard output and error.
struct CaughtRun {
    std::optional<DWORD> exitCode;
    std::string out, err;
};
// Runs commandLine with its standard output and error caught.
CaughtRun RunCaught(const std::string& commandLine);

inline std::optional<DWORD> RunToExit(const std::string& commandLine) {
    return ChildProcess(commandLine).WaitPumpingMessages();
}

}  // namespace testing_support
