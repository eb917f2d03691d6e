// Watches the X server for a program's window and its pixels: when the window is mapped, and
// when its on-screen pixels first equal its settled picture. The pixels are read back from the
// server with GetImage, so what counts is what the display shows, not what the program believes
// it has drawn.
#pragma once

#include <xcb/xcb.h>

#include <cstdint>
#include <optional>
#include <vector>

namespace bench {

using Pixels = std::vector<std::uint8_t>;

class ScreenFrame {
public:
    // Connects to $DISPLAY; stops the program when there is none.
    ScreenFrame(int width, int height);
    ~ScreenFrame();
    ScreenFrame(const ScreenFrame&) = delete;
    ScreenFrame& operator=(const ScreenFrame&) = delete;

    // Forgets the windows of earlier runs; call before starting the program.
    void forgetEarlierWindows();
    // Waits up to timeoutMs for a window of the watched size to be mapped.
    bool waitForMappedWindow(int timeoutMs);
    // The mapped window's pixels now.
    Pixels pixels();
    // Polls until the window's pixels have not changed for quietMs: its settled picture.
    Pixels settledPixels(int quietMs, int timeoutMs);
    // Polls until the window's pixels equal settled; false after timeoutMs.
    bool waitForPixels(const Pixels& settled, int timeoutMs);

private:
    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = 0;
    xcb_window_t window_ = 0;
    int width_, height_;
};

} // namespace bench
