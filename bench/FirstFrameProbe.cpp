// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
// Preloaded into a Qt program on X (LD_PRELOAD), it reports when the first picture reaches a
// window: the first image that the program puts on the X server, as three figures in
// milliseconds: the time since the moment given in FIRST_FRAME_T0 (nanoseconds of
// CLOCK_REALTIME, taken just before the program was started), the CPU time the program used
// until then (all its threads), and the CPU time of the thread that showed the frame (the
// GUI thread). A busy machine disturbs the CPU times far less than the first. The report goes
// to the file named by FIRST_FRAME_OUT. tools/startup-time.sh uses it to compare the game's
// start-up with a bare window's on the same display. With FIRST_FRAME_EXIT set, the program
// ends right after that first frame, so that a profiler sees the start-up alone.
//
// Qt's X backing store shows a frame with one of the three calls wrapped here; each is passed
// on unchanged to libxcb.
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <dlfcn.h>

namespace {

std::atomic<bool> Reported{false};

void ReportFirstFrame()
{
    if (Reported.exchange(true))
        return;
    const char* t0 = std::getenv("FIRST_FRAME_T0");
    const char* out = std::getenv("FIRST_FRAME_OUT");
    if (!t0 || !out)
        return;
    timespec now{}, cpu{}, threadCpu{};
    clock_gettime(CLOCK_REALTIME, &now);
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &threadCpu);
    const auto ms = [](const timespec& t) { return (double(t.tv_sec) * 1e9 + double(t.tv_nsec)) / 1e6; };
    const long long elapsedNs = now.tv_sec * 1000000000LL + now.tv_nsec - std::atoll(t0);
    const double elapsed = double(elapsedNs) / 1e6;
    if (FILE* file = std::fopen(out, "w")) {
        std::fprintf(file, "%.1f %.1f %.1f\n", elapsed, ms(cpu), ms(threadCpu));
        std::fclose(file);
    }
    if (std::getenv("FIRST_FRAME_EXIT"))
        std::_Exit(0);
}

// The wrapped call in libxcb itself. Qt's platform plugin, which loads the xcb libraries, is
// opened with local symbols, so RTLD_NEXT does not see them: open the library by name.
template <typename F>
F Next(const char* library, const char* name)
{
    void* handle = dlopen(library, RTLD_LAZY | RTLD_NOLOAD);
    if (!handle)
        handle = dlopen(library, RTLD_LAZY);
    return reinterpret_cast<F>(dlsym(handle ? handle : RTLD_NEXT, name));
}

} // namespace

// The libxcb types, as far as these calls need them.
struct xcb_connection_t;
struct xcb_void_cookie_t {
    unsigned int sequence;
};

extern "C" {

xcb_void_cookie_t xcb_shm_put_image(xcb_connection_t* c, uint32_t drawable, uint32_t gc, uint16_t totalWidth,
                                    uint16_t totalHeight, uint16_t srcX, uint16_t srcY, uint16_t srcWidth,
                                    uint16_t srcHeight, int16_t dstX, int16_t dstY, uint8_t depth, uint8_t format,
                                    uint8_t sendEvent, uint32_t shmseg, uint32_t offset)
{
    ReportFirstFrame();
    static const auto next = Next<decltype(&xcb_shm_put_image)>("libxcb-shm.so.0", "xcb_shm_put_image");
    return next(c, drawable, gc, totalWidth, totalHeight, srcX, srcY, srcWidth, srcHeight, dstX, dstY, depth,
                format, sendEvent, shmseg, offset);
}

xcb_void_cookie_t xcb_put_image(xcb_connection_t* c, uint8_t format, uint32_t drawable, uint32_t gc, uint16_t width,
                                uint16_t height, int16_t dstX, int16_t dstY, uint8_t leftPad, uint8_t depth,
                                uint32_t dataLen, const uint8_t* data)
{
    ReportFirstFrame();
    static const auto next = Next<decltype(&xcb_put_image)>("libxcb.so.1", "xcb_put_image");
    return next(c, format, drawable, gc, width, height, dstX, dstY, leftPad, depth, dataLen, data);
}

xcb_void_cookie_t xcb_copy_area(xcb_connection_t* c, uint32_t src, uint32_t dst, uint32_t gc, int16_t srcX,
                                int16_t srcY, int16_t dstX, int16_t dstY, uint16_t width, uint16_t height)
{
    ReportFirstFrame();
    static const auto next = Next<decltype(&xcb_copy_area)>("libxcb.so.1", "xcb_copy_area");
    return next(c, src, dst, gc, srcX, srcY, dstX, dstY, width, height);
}

} // extern "C"
