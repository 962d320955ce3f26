/* A plain re-armed 1000 ms Win32 timer, for comparison with Dormo's countdown:
 * writes to the file named by argv[2] how late tick N (argv[1]) came, in
 * milliseconds, against N seconds. */
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>

int main(int argc, char** argv) {
    const int ticks = argc > 1 ? atoi(argv[1]) : 61;
    LARGE_INTEGER freq, start, now;
    QueryPerformanceFrequency(&freq);
    QueryPerformanceCounter(&start);
    SetTimer(NULL, 0, 1000, NULL);
    int seen = 0;
    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0) > 0) {
        if (msg.message != WM_TIMER || ++seen < ticks)
            continue;
        QueryPerformanceCounter(&now);
        const long long ms = (now.QuadPart - start.QuadPart) * 1000 / freq.QuadPart;
        FILE* out = fopen(argc > 2 ? argv[2] : "baseline.txt", "w");
        if (out) {
            fprintf(out, "%lld\n", ms - 1000LL * ticks);
            fclose(out);
        }
        break;
    }
    return 0;
}
