// Test stand-in for a web browser: appends the command line it was started
// with to the file named by TAVIMO_URL_RECORD, then signals the event named
// by TAVIMO_URL_RECORDED.
#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {
bool ReadVariable(const char* name, char (&value)[MAX_PATH]) {
    const DWORD length = GetEnvironmentVariableA(name, value, MAX_PATH);
    return length > 0 && length < MAX_PATH;
}
}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char path[MAX_PATH] = {};
    char eventName[MAX_PATH] = {};
    if (!ReadVariable("TAVIMO_URL_RECORD", path) ||
        !ReadVariable("TAVIMO_URL_RECORDED", eventName)) {
        return 1;
    }
    if (FILE* record = std::fopen(path, "ab")) {
        const char* line = GetCommandLineA();
        std::fwrite(line, 1, std::strlen(line), record);
        std::fclose(record);
    }
    if (HANDLE recorded = OpenEventA(EVENT_MODIFY_STATE, FALSE, eventName)) {
        SetEvent(recorded);
        CloseHandle(recorded);
    }
    return 0;
}
