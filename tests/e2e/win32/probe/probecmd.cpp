// Test command: appends the Unix time in milliseconds and its command line to
// probecmd.log beside itself, then ends.
#include <windows.h>

#include <cstdio>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR arguments, int) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string log(path);
    log = log.substr(0, log.find_last_of("\\/") + 1) + "probecmd.log";
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    const unsigned long long ticks =
        (static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    const unsigned long long unixMs = ticks / 10000 - 11644473600000ULL;
    if (FILE* f = std::fopen(log.c_str(), "ab")) {
        std::fprintf(f, "%llu %s\n", unixMs, arguments);
        std::fclose(f);
    }
    return 0;
}
