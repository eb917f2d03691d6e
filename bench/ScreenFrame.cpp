#include "ScreenFrame.h"

#include <poll.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>

namespace bench {

namespace {

long long nowMs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000LL + now.tv_nsec / 1'000'000;
}

void pause(long microseconds)
{
    const timespec wait{0, microseconds * 1000};
    nanosleep(&wait, nullptr);
}

template <typename T> std::unique_ptr<T, void (*)(void*)> owned(T* reply)
{
    return {reply, std::free};
}

} // namespace

ScreenFrame::ScreenFrame(int width, int height) : width_(width), height_(height)
{
    connection_ = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection_)) {
        std::fprintf(stderr, "no X display to watch (is DISPLAY set?)\n");
        std::exit(2);
    }
    root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    // Without a window manager, top-level windows are the root's children: their mapping is
    // reported to whoever watches the root's structure.
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection_);
}

ScreenFrame::~ScreenFrame() { xcb_disconnect(connection_); }

void ScreenFrame::forgetEarlierWindows()
{
    // A round trip: every event of earlier runs has arrived and is then dropped.
    std::free(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection_))
        std::free(event);
    window_ = 0;
}

bool ScreenFrame::waitForMappedWindow(int timeoutMs)
{
    const long long end = nowMs() + timeoutMs;
    pollfd descriptor{xcb_get_file_descriptor(connection_), POLLIN, 0};
    while (nowMs() < end) {
        auto event = owned(xcb_poll_for_event(connection_));
        if (!event) {
            poll(&descriptor, 1, 5);
            continue;
        }
        if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY)
            continue;
        const auto* mapped = reinterpret_cast<const xcb_map_notify_event_t*>(event.get());
        const auto geometry = owned(xcb_get_geometry_reply(
            connection_, xcb_get_geometry(connection_, mapped->window), nullptr));
        if (geometry && geometry->width == width_ && geometry->height == height_) {
            window_ = mapped->window;
            return true;
        }
    }
    return false;
}

Pixels ScreenFrame::pixels()
{
    const auto image = owned(xcb_get_image_reply(
        connection_,
        xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, window_, 0, 0,
                      static_cast<std::uint16_t>(width_), static_cast<std::uint16_t>(height_), ~0u),
        nullptr));
    if (!image)
        return {};
    const std::uint8_t* data = xcb_get_image_data(image.get());
    return Pixels(data, data + xcb_get_image_data_length(image.get()));
}

Pixels ScreenFrame::settledPixels(int quietMs, int timeoutMs)
{
    const long long end = nowMs() + timeoutMs;
    Pixels settled = pixels();
    long long changedAt = nowMs();
    while (nowMs() < end && nowMs() - changedAt < quietMs) {
        pause(2000);
        Pixels now = pixels();
        if (now != settled) {
            settled = std::move(now);
            changedAt = nowMs();
        }
    }
    return settled;
}

bool ScreenFrame::waitForPixels(const Pixels& settled, int timeoutMs)
{
    // A short pause between reads keeps the poller from crowding the program out of the server.
    const long long end = nowMs() + timeoutMs;
    while (nowMs() < end) {
        if (pixels() == settled)
            return true;
        pause(500);
    }
    return false;
}

} // namespace bench
