/* Measures how long a program's GUI thread takes to answer, from outside:
 * sends the window manager's ping (_NET_WM_PING, which a toolkit answers
 * from its event loop) to a window every INTERVAL ms for SECONDS seconds and
 * prints the longest and the mean time to the answer, in ms. A GUI thread
 * busy for 100 ms answers a ping sent at its start about 100 ms late.
 *   xping WINDOW INTERVAL_MS SECONDS
 * Built by bench/peers.sh (cc xping.c -lX11); no window manager may run. */
#include <X11/Xlib.h>
#include <X11/Xatom.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>
#include <poll.h>

static double now_ms(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

int main(int argc, char** argv)
{
    if (argc != 4) {
        fprintf(stderr, "usage: xping WINDOW INTERVAL_MS SECONDS\n");
        return 2;
    }
    const Window window = (Window)strtoul(argv[1], NULL, 0);
    const double interval = atof(argv[2]);
    const double seconds = atof(argv[3]);
    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "xping: no display\n");
        return 1;
    }
    const Window root = DefaultRootWindow(display);
    /* The answer is sent to the root window for the window manager. */
    XSelectInput(display, root, StructureNotifyMask | SubstructureNotifyMask);
    const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
    const Atom ping = XInternAtom(display, "_NET_WM_PING", False);
    const double end = now_ms() + seconds * 1e3;
    double longest = 0, sum = 0;
    long count = 0, lost = 0, serial = 1;
    while (now_ms() < end) {
        XEvent event = { 0 };
        event.xclient.type = ClientMessage;
        event.xclient.window = window;
        event.xclient.message_type = protocols;
        event.xclient.format = 32;
        event.xclient.data.l[0] = (long)ping;
        event.xclient.data.l[1] = serial;
        event.xclient.data.l[2] = (long)window;
        const double sent = now_ms();
        XSendEvent(display, window, False, NoEventMask, &event);
        XFlush(display);
        int answered = 0;
        while (!answered && now_ms() - sent < 10000) {
            while (XPending(display)) {
                XEvent reply;
                XNextEvent(display, &reply);
                if (reply.type == ClientMessage && reply.xclient.message_type == protocols
                    && (Atom)reply.xclient.data.l[0] == ping && reply.xclient.data.l[1] == serial)
                    answered = 1;
            }
            if (!answered) {
                struct pollfd fd = { ConnectionNumber(display), POLLIN, 0 };
                poll(&fd, 1, 1);
            }
        }
        const double latency = now_ms() - sent;
        if (!answered) {
            ++lost;
        } else {
            if (latency > longest)
                longest = latency;
            sum += latency;
            ++count;
        }
        ++serial;
        const double next = sent + interval;
        while (now_ms() < next) {
            struct timespec nap = { 0, 200000 };
            nanosleep(&nap, NULL);
        }
    }
    printf("longest: %.1f ms\nmean: %.2f ms\npings: %ld\nunanswered: %ld\n", longest, count ? sum / count : 0.0, count, lost);
    XCloseDisplay(display);
    return count ? 0 : 1;
}
