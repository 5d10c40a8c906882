// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

/* Starts a program on the X display and reports how long it took until its first top-level
 * window was mapped, then ends it and reports its peak resident memory.
 * Output: "<milliseconds to map> <peak RSS in KiB>". */
#define _GNU_SOURCE
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <xcb/xcb.h>

static double nowMs(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

int main(int argc, char** argv) {
    if (argc < 2) {
        fprintf(stderr, "usage: map_probe program [args...]\n");
        return 2;
    }
    xcb_connection_t* c = xcb_connect(NULL, NULL);
    if (xcb_connection_has_error(c)) {
        fprintf(stderr, "map_probe: no X display\n");
        return 2;
    }
    xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);

    const double start = nowMs();
    pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    double mapped = -1;
    xcb_generic_event_t* e;
    while ((e = xcb_wait_for_event(c))) {
        const int type = e->response_type & 0x7F;
        free(e);
        if (type == XCB_MAP_NOTIFY) {
            mapped = nowMs() - start;
            break;
        }
    }
    usleep(300 * 1000); /* let it paint, so the memory figure includes the first frame */
    kill(child, SIGTERM);
    int status = 0;
    struct rusage usage;
    wait4(child, &status, 0, &usage);
    printf("%.1f %ld\n", mapped, usage.ru_maxrss);
    xcb_disconnect(c);
    return mapped < 0;
}
