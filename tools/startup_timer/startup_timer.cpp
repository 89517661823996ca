// startup_timer: how long programs take from process creation until their
// user-interface thread first waits for input (window created, shown and
// painted), as the median of several starts, the programs taking turns. Each
// started program is closed through its window before the next start.
//   startup_timer RUNS "COMMAND LINE" "WINDOW TITLE" [...more pairs]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// Milliseconds from CreateProcess to the end of WaitForInputIdle; a negative
// value when the program could not be started or timed.
double TimeOneStart(const std::string& commandLine, const char* title) {
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    LARGE_INTEGER frequency, start, idle;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info)) {
        return -1;
    }
    const DWORD waited = WaitForInputIdle(info.hProcess, 30000);
    QueryPerformanceCounter(&idle);
    for (int i = 0; i < 100; ++i) {
        if (HWND window = FindWindowA(nullptr, title)) {
            PostMessageA(window, WM_CLOSE, 0, 0);
            break;
        }
        Sleep(20);
    }
    if (WaitForSingleObject(info.hProcess, 10000) != WAIT_OBJECT_0) {
        TerminateProcess(info.hProcess, 1);
    }
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    if (waited != 0) {
        return -1;
    }
    return static_cast<double>(idle.QuadPart - start.QuadPart) * 1000.0 /
           static_cast<double>(frequency.QuadPart);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4 || (argc - 2) % 2 != 0) {
        std::fprintf(stderr, "usage: startup_timer RUNS \"COMMAND\" \"TITLE\" [...]\n");
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    // The programs take turns, one start each per round, so that a change in
    // the machine's load during the measurement weighs on all of them alike.
    const std::size_t programs = static_cast<std::size_t>(argc - 2) / 2;
    std::vector<std::vector<double>> times(programs);
    // One start of each that does not count: the first program started in
    // a new session also brings up Wine's desktop.
    for (std::size_t i = 0; i < programs; ++i) {
        TimeOneStart(argv[2 + 2 * i], argv[3 + 2 * i]);
    }
    for (int run = 0; run < runs; ++run) {
        for (std::size_t i = 0; i < programs; ++i) {
            const char* command = argv[2 + 2 * i];
            const double ms = TimeOneStart(command, argv[3 + 2 * i]);
            if (ms < 0) {
                std::fprintf(stderr, "could not time %s\n", command);
                return 1;
            }
            times[i].push_back(ms);
        }
    }
    std::vector<double> medians;
    for (std::size_t i = 0; i < programs; ++i) {
        std::sort(times[i].begin(), times[i].end());
        medians.push_back(times[i][times[i].size() / 2]);
        std::printf("%-40s median %7.1f ms (min %.1f, max %.1f, %d starts)\n", argv[2 + 2 * i],
                    medians.back(), times[i].front(), times[i].back(), runs);
    }
    for (std::size_t i = 1; i < medians.size(); ++i) {
        std::printf("ratio %s / %s: %.2f\n", argv[2 + 2 * i], argv[2], medians[i] / medians[0]);
    }
    return 0;
}
