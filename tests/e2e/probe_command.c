/* A command for the tests and benchmarks: appends the wall-clock time (Unix seconds)
 * and its arguments to the file named by its first argument. */
#include <windows.h>
#include <stdio.h>

int main(int argc, char** argv) {
    if (argc < 2)
        return 1;
    FILETIME ft;
    GetSystemTimePreciseAsFileTime(&ft);
    const unsigned long long t = ((unsigned long long)ft.dwHighDateTime << 32) | ft.dwLowDateTime;
    const double unix_seconds = (double)(t - 116444736000000000ULL) / 1e7;
    FILE* out = fopen(argv[1], "a");
    if (!out)
        return 1;
    fprintf(out, "%.6f", unix_seconds);
    for (int i = 2; i < argc; ++i)
        fprintf(out, " %s", argv[i]);
    fprintf(out, "\n");
    fclose(out);
    return 0;
}
