// Times one program start on an X display: from just before exec to the
// program's top-level window being mapped, and on to its first painted frame
// (a pixel of the window no longer shows the root's colour). Prints one line
// "mapped_ms=.. frame_ms=.. rss_kb=.." and ends the program.
//
// Run under a private Xvfb started with -br (black root), as first_frame.sh
// does: first_frame_watch [--title TEXT] -- PROGRAM [ARGS...]
#include "bench/measures.h"

#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point t0)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}

std::string windowTitle(xcb_connection_t* c, xcb_window_t w)
{
    const char name[] = "_NET_WM_NAME";
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, sizeof name - 1, name), nullptr);
    if (!atom)
        return {};
    xcb_get_property_reply_t* prop =
        xcb_get_property_reply(c, xcb_get_property(c, 0, w, atom->atom, XCB_GET_PROPERTY_TYPE_ANY, 0, 256), nullptr);
    free(atom);
    if (!prop)
        return {};
    std::string title(static_cast<const char*>(xcb_get_property_value(prop)),
                      static_cast<size_t>(xcb_get_property_value_length(prop)));
    free(prop);
    return title;
}

// The pixel at (x, y) of a drawable, or ~0u when it cannot be read.
uint32_t pixelAt(xcb_connection_t* c, xcb_drawable_t d, int16_t x, int16_t y)
{
    xcb_get_image_reply_t* img =
        xcb_get_image_reply(c, xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, d, x, y, 1, 1, ~0u), nullptr);
    if (!img)
        return ~0u;
    uint32_t px = 0;
    const int len = xcb_get_image_data_length(img);
    std::memcpy(&px, xcb_get_image_data(img), static_cast<size_t>(std::min(len, 4)));
    free(img);
    return px & 0xFFFFFFu;
}

void endChild(pid_t pid)
{
    kill(pid, SIGTERM);
    for (int i = 0; i < 200; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return;
        usleep(10000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

}  // namespace

int main(int argc, char** argv)
{
    std::string title;
    int i = 1;
    for (; i < argc; ++i) {
        if (std::strcmp(argv[i], "--title") == 0 && i + 1 < argc)
            title = argv[++i];
        else if (std::strcmp(argv[i], "--") == 0) {
            ++i;
            break;
        }
    }
    if (i >= argc) {
        std::fprintf(stderr, "usage: %s [--title TEXT] -- PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    // A display that has only just started may refuse the first attempts.
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    for (int attempt = 0; xcb_connection_has_error(c) && attempt < 20; ++attempt) {
        xcb_disconnect(c);
        usleep(50000);
        c = xcb_connect(nullptr, nullptr);
    }
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "cannot open the display\n");
        return 1;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, screen->root, XCB_CW_EVENT_MASK, &mask);
    const uint32_t rootColour = pixelAt(c, screen->root, static_cast<int16_t>(screen->width_in_pixels / 2),
                                        static_cast<int16_t>(screen->height_in_pixels / 2));

    const Clock::time_point t0 = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[i], argv + i);
        _exit(127);
    }

    double mapped = -1, frame = -1;
    xcb_window_t window = 0;
    int16_t probeX = 0, probeY = 0;
    const int fd = xcb_get_file_descriptor(c);
    while (frame < 0 && msSince(t0) < 20000) {
        while (xcb_generic_event_t* ev = xcb_poll_for_event(c)) {
            if ((ev->response_type & 0x7F) == XCB_MAP_NOTIFY && !window) {
                auto* map = reinterpret_cast<xcb_map_notify_event_t*>(ev);
                if (!map->override_redirect && (title.empty() || windowTitle(c, map->window) == title)) {
                    mapped = msSince(t0);
                    window = map->window;
                    xcb_get_geometry_reply_t* g = xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr);
                    if (g) {
                        // The middle of the top edge: the menu bar or the
                        // window's background, never black.
                        probeX = static_cast<int16_t>(g->width / 2);
                        probeY = 4;
                        free(g);
                    }
                }
            }
            free(ev);
        }
        if (window) {
            const uint32_t px = pixelAt(c, window, probeX, probeY);
            if (px != ~0u && px != rootColour) {
                frame = msSince(t0);
                break;
            }
            usleep(200);
            continue;
        }
        pollfd p{fd, POLLIN, 0};
        poll(&p, 1, 50);
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            std::fprintf(stderr, "the program ended before showing a window\n");
            return 1;
        }
    }
    const long long rss = bench::StatusField("/proc/" + std::to_string(pid) + "/status", "VmRSS:");
    endChild(pid);
    xcb_disconnect(c);
    if (frame < 0) {
        std::fprintf(stderr, "no window shown within 20 s\n");
        return 1;
    }
    std::printf("mapped_ms=%.1f frame_ms=%.1f rss_kb=%lld\n", mapped, frame, rss);
    return 0;
}
