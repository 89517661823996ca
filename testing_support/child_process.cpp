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

std::string ReadAll(HANDLE pipe) {
    std::string text;
    char buffer[512];
    DWORD read = 0;
    while (ReadFile(pipe, buffer, sizeof buffer, &read, nullptr) && read > 0) {
        text.append(buffer, read);
    }
    return text;
}

}  // namespace

CaughtRun RunCaught(const std::string& commandLine) {
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE outRead = nullptr, outWrite = nullptr, errRead = nullptr, errWrite = nullptr;
    if (!CreatePipe(&outRead, &outWrite, &inherit, 0) ||
        !CreatePipe(&errRead, &errWrite, &inherit, 0)) {
        return {};
    }
    tavimo::UniqueHandle outReader(outRead), errReader(errRead);
    tavimo::UniqueHandle outWriter(outWrite), errWriter(errWrite);
    SetHandleInformation(outRead, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(errRead, HANDLE_FLAG_INHERIT, 0);
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = outWrite;
    startup.hStdError = errWrite;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                        &info)) {
        return {};
    }
    const tavimo::UniqueHandle process(info.hProcess), thread(info.hThread);
    outWriter.reset();
    errWriter.reset();
    CaughtRun run;
    run.out = ReadAll(outRead);
    run.err = ReadAll(errRead);
    DWORD exitCode = 0;
    if (WaitForSingleObject(info.hProcess, kSafetyLimitMs) == WAIT_OBJECT_0 &&
        GetExitCodeProcess(info.hProcess, &exitCode)) {
        run.exitCode = exitCode;
    }
    return run;
}

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
