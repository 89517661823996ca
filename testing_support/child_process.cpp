#include "child_process.h"

#include <vector>

namespace testing_support {
namespace {
constexpr DWORD kSafetyLimitMs = 60000;

void DispatchPendingMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

}  // namespace

std::string PathBesideTest(const char* fileName) {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    folder.resize(folder.find_last_of('\\') + 1);
    return folder + fileName;
}

ChildProcess::ChildProcess(const std::string& commandLine) {
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &info)) {
        process_.reset(info.hProcess);
        thread_.reset(info.hThread);
        id_ = info.dwProcessId;
    }
}

bool ChildProcess::IsRunning() const {
    return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

bool ChildProcess::IsIdle() const {
    return process_ && WaitForInputIdle(process_.get(), 0) == 0;
}

void ChildProcess::EndIfRunning() {
    if (IsRunning()) {
        TerminateProcess(process_.get(), 1);
        WaitForSingleObject(process_.get(), INFINITE);
    }
}

std::optional<DWORD> ChildProcess::WaitPumpingMessages() {
    if (!process_) {
        return std::nullopt;
    }
    // Elapsed time as a difference of tick counts stays right when the
    // counter wraps.
    const DWORD start = GetTickCount();
    for (DWORD elapsed = 0; elapsed < kSafetyLimitMs; elapsed = GetTickCount() - start) {
        HANDLE process = process_.get();
        const DWORD woken =
            MsgWaitForMultipleObjects(1, &process, FALSE, kSafetyLimitMs - elapsed, QS_ALLINPUT);
        if (woken == WAIT_OBJECT_0) {
            DWORD exitCode = 0;
            GetExitCodeProcess(process, &exitCode);
            return exitCode;
        }
        DispatchPendingMessages();
    }
    TerminateProcess(process_.get(), 1);
    WaitForSingleObject(process_.get(), INFINITE);
    return std::nullopt;
}

}  // namespace testing_support
