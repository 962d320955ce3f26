/* Prints a line for each top-level window that is mapped or unmapped on the
 * X display, with the wall-clock time it saw the event:
 *   <seconds.nanoseconds> map|unmap <window id> <pid or 0> <name>
 * The benchmarks use it to time start-up (start to window mapped) and the
 * commit (window unmapped) without polling. Under a window manager a
 * program's window sits inside a frame of the manager's own: a top-level
 * window without a process is watched as a frame, and the windows inside it
 * that carry a process are reported in its place. */
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

/* A top-level window mapped: itself when it names its process, otherwise the
 * windows inside it that do (a frame), watched from then on. */
static void top_level_mapped(Display* d, Window w) {
    if (window_pid(d, w) != 0) {
        print_event(d, "map", w);
        return;
    }
    XSelectInput(d, w, SubstructureNotifyMask);
    Window root, parent, *children = NULL;
    unsigned int count = 0;
    int clients = 0;
    if (XQueryTree(d, w, &root, &parent, &children, &count)) {
        for (unsigned int i = 0; i < count; ++i) {
            XWindowAttributes a;
            if (window_pid(d, children[i]) != 0 && XGetWindowAttributes(d, children[i], &a) &&
                a.map_state == IsViewable) {
                print_event(d, "map", children[i]);
                ++clients;
            }
        }
        if (children)
            XFree(children);
    }
    if (clients == 0)
        print_event(d, "map", w);
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
        const Window root = DefaultRootWindow(d);
        if (e.type == MapNotify && e.xmap.event == root)
            top_level_mapped(d, e.xmap.window);
        else if (e.type == MapNotify && window_pid(d, e.xmap.window) != 0)
            print_event(d, "map", e.xmap.window);
        else if (e.type == UnmapNotify &&
                 (e.xunmap.event == root || window_pid(d, e.xunmap.window) != 0))
            print_event(d, "unmap", e.xunmap.window);
    }
}
