/* Prints a line for each top-level window that is mapped or unmapped on the
 * X display, with the wall-clock time it saw the event:
 *   <seconds.nanoseconds> map|unmap <window id> <pid or 0> <name>
 * The benchmarks use it to time start-up (start to window mapped) and the
 * commit (window unmapped) without polling. */
#include <X11/Xlib.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

static unsigned long window_pid(Display* d, Window w) {
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = NULL;
    unsigned long pid = 0;
    Atom atom = XInternAtom(d, "_NET_WM_PID", False);
    if (XGetWindowProperty(d, w, atom, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after,
                           &data) == Success &&
        data && count == 1 && format == 32)
        pid = *(unsigned long*)data;
    if (data)
        XFree(data);
    return pid;
}

static void print_event(Display* d, const char* what, Window w) {
    struct timespec now;
    clock_gettime(CLOCK_REALTIME, &now);
    char* name = NULL;
    XFetchName(d, w, &name);
    printf("%lld.%09ld %s 0x%lx %lu %s\n", (long long)now.tv_sec, now.tv_nsec, what,
           (unsigned long)w, window_pid(d, w), name ? name : "");
    fflush(stdout);
    if (name)
        XFree(name);
}

static int ignore_errors(Display* d, XErrorEvent* e) {
    (void)d;
    (void)e;
    return 0;
}

int main(void) {
    Display* d = XOpenDisplay(NULL);
    if (!d) {
        fprintf(stderr, "xwatch: cannot open display\n");
        return 1;
    }
    XSetErrorHandler(ignore_errors);
    XSelectInput(d, DefaultRootWindow(d), SubstructureNotifyMask);
    printf("ready\n");
    fflush(stdout);
    for (;;) {
        XEvent e;
        XNextEvent(d, &e);
        if (e.type == MapNotify)
            print_event(d, "map", e.xmap.window);
        else if (e.type == UnmapNotify)
            print_event(d, "unmap", e.xunmap.window);
    }
}
