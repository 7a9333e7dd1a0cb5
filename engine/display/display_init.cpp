// Taking the display and giving it back: the DirectDraw object, the cooperative level and
// mode, the primary and back surfaces, the 8-bit palette, the clears and the clippers.
#include "engine/display/display_init.h"

#include "engine/display/display_context.h"
#include "engine/display/error_log.h"
#include "engine/display/frame.h"
#include "engine/display/palette.h"
#include "engine/display/surfaces.h"

#include <cstring>

namespace {

constexpr DWORD FULL_SCREEN_LEVEL =
    DDSCL_FULLSCREEN | DDSCL_ALLOWREBOOT | DDSCL_EXCLUSIVE | DDSCL_ALLOWMODEX | DDSCL_MULTITHREADED;

// Whether display_init changed the desktop's depth, which display_shutdown then gives back.
int DesktopDepthChanged = 0;

// A windowed display is drawn on the desktop, in the desktop's depth: the window takes the
// display's size and the desktop the display's depth, or the display cannot be shown.
std::int32_t take_desktop(std::int32_t width, std::int32_t height, std::int32_t bpp) {
    if (MainWindow != nullptr && !SetWindowPos(MainWindow, nullptr, 0, 0, width, height,
                                               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE))
        return 0;
    DEVMODEA current;
    std::memset(&current, 0, sizeof(current));
    current.dmSize = sizeof(current);
    // A desktop that cannot say its depth is taken as it is.
    if (!EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &current) ||
        static_cast<std::int32_t>(current.dmBitsPerPel) == bpp)
        return 1;
    DEVMODEA wanted;
    std::memset(&wanted, 0, sizeof(wanted));
    wanted.dmSize = sizeof(wanted);
    wanted.dmFields = DM_BITSPERPEL;
    wanted.dmBitsPerPel = static_cast<DWORD>(bpp);
    if (bpp <= 0 || ChangeDisplaySettingsA(&wanted, CDS_FULLSCREEN) != DISP_CHANGE_SUCCESSFUL)
        return 0;
    DesktopDepthChanged = 1;
    return 1;
}

std::int32_t take_display(std::int32_t width, std::int32_t height, std::int32_t bpp,
                          std::int32_t windowed) {
    if (FAILED(DirectDrawCreateEx(nullptr, reinterpret_cast<LPVOID*>(&directdraw), IID_IDirectDraw7,
                                  nullptr)) ||
        directdraw == nullptr) {
        directdraw = nullptr;
        return 0;
    }
    if (windowed != 0) {
        if (FAILED(directdraw->SetCooperativeLevel(MainWindow, DDSCL_NORMAL))) return 0;
        return take_desktop(width, height, bpp);
    }
    if (FAILED(directdraw->SetCooperativeLevel(MainWindow, FULL_SCREEN_LEVEL))) return 0;
    if (width <= 0 || height <= 0 || bpp <= 0) return 0;
    return SUCCEEDED(directdraw->SetDisplayMode(static_cast<DWORD>(width),
                                                static_cast<DWORD>(height), static_cast<DWORD>(bpp),
                                                0, 0))
               ? 1
               : 0;
}

std::int32_t create_primary() {
    std::memset(&surface_desc, 0, sizeof(surface_desc));
    surface_desc.dwSize = sizeof(surface_desc);
    if (screen_windowed == 0) {
        surface_desc.dwFlags = DDSD_CAPS | DDSD_BACKBUFFERCOUNT;
        surface_desc.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX;
        surface_desc.dwBackBufferCount = 1;
    } else {
        surface_desc.dwFlags = DDSD_CAPS;
        surface_desc.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE;
        surface_desc.dwBackBufferCount = 0;
    }
    if (FAILED(directdraw->CreateSurface(&surface_desc, &primary_surface, nullptr)) ||
        primary_surface == nullptr) {
        primary_surface = nullptr;
        return 0;
    }
    return 1;
}

void detect_pixel_format() {
    DDPIXELFORMAT ddpf;
    std::memset(&ddpf, 0, sizeof(ddpf));
    ddpf.dwSize = sizeof(ddpf);
    // A refused query leaves the count 0, which is then read as 5.6.5 like any other.
    primary_surface->GetPixelFormat(&ddpf);
    pixel_format = static_cast<std::int32_t>(ddpf.dwRGBBitCount);
    write_error_log("\npixel format = %d", pixel_format);
    if (pixel_format == 15) {
        rgb16 = rgb16_555;
        write_error_log("\npixel format = 5.5.5");
    } else {
        rgb16 = rgb16_565;
        write_error_log("\npixel format = 5.6.5");
    }
}

std::int32_t get_back_buffer(std::int32_t width, std::int32_t height) {
    if (screen_windowed == 0) {
        back_caps.dwCaps = DDSCAPS_BACKBUFFER;
        if (FAILED(primary_surface->GetAttachedSurface(&back_caps, &back_surface)) ||
            back_surface == nullptr) {
            back_surface = nullptr;
            return 0;
        }
        return 1;
    }
    back_surface = create_offscreen_surface(width, height, 0, 0);
    return back_surface != nullptr ? 1 : 0;
}

std::int32_t install_palette() {
    std::memset(palette_entries, 0, sizeof(palette_entries));
    // Missing or short file: the entries it did not reach stay black.
    load_palette_file("PALDATA2.PAL", palette_entries);
    DWORD caps = DDPCAPS_8BIT | DDPCAPS_ALLOW256;
    if (screen_windowed != 0) {
        // In a window the system keeps its first and last ten colours.
        for (int i = 0; i < 10; ++i) {
            palette_entries[i].flags = PC_EXPLICIT;
            palette_entries[255 - i].flags = PC_EXPLICIT;
        }
        caps = DDPCAPS_8BIT;
    }
    if (FAILED(directdraw->CreatePalette(caps, reinterpret_cast<LPPALETTEENTRY>(palette_entries),
                                         &display_palette, nullptr)) ||
        display_palette == nullptr) {
        display_palette = nullptr;
        return 0;
    }
    return SUCCEEDED(primary_surface->SetPalette(display_palette)) ? 1 : 0;
}

std::int32_t attach_window_clipper() {
    if (FAILED(directdraw->CreateClipper(0, &window_clipper, nullptr)) ||
        window_clipper == nullptr) {
        window_clipper = nullptr;
        return 0;
    }
    if (FAILED(window_clipper->SetHWnd(0, MainWindow))) return 0;
    return SUCCEEDED(primary_surface->SetClipper(window_clipper)) ? 1 : 0;
}

// Every failure says why in the error log, so that a program that sees nothing can find out.
std::int32_t refuse(const char* reason) {
    write_error_log("\nNo display: %s.", reason);
    return 0;
}

} // namespace

std::int32_t display_init(std::int32_t width, std::int32_t height, std::int32_t bpp,
                          std::int32_t windowed) {
    // A window's display is shown in MainWindow: without one, every frame would go nowhere.
    if (windowed != 0 && MainWindow == nullptr)
        return refuse("there is no window to show it in (MainWindow is null)");
    if (take_display(width, height, bpp, windowed) == 0)
        return refuse(windowed != 0 ? "the desktop cannot show this size and depth"
                                    : "the display mode was refused");

    screen_height = height;
    screen_width = width;
    screen_bpp = bpp;
    screen_windowed = windowed;

    if (create_primary() == 0) return refuse("no primary surface");
    detect_pixel_format();
    if (get_back_buffer(width, height) == 0) return refuse("no back buffer");
    if (screen_bpp == 8 && install_palette() == 0) return refuse("the palette was refused");

    if (screen_windowed == 0) fill_surface(primary_surface, 0, nullptr);
    fill_surface(back_surface, 0, nullptr);

    clip_min_x = 0;
    clip_max_x = screen_width - 1;
    clip_min_y = 0;
    clip_max_y = screen_height - 1;

    RECT screen_rect = {0, 0, screen_width, screen_height};
    // A missing clipper leaves blits unclipped but the display usable.
    back_clipper = attach_clipper(back_surface, 1, &screen_rect);

    if (screen_windowed != 0 && attach_window_clipper() == 0)
        return refuse("the window's clipper was refused");
    return 1;
}

std::int32_t display_shutdown() {
    // Dependants first, the DirectDraw object last. The fields are cleared as well, so that
    // nothing calls through an object that no longer exists.
    if (back_clipper != nullptr) back_clipper->Release();
    if (window_clipper != nullptr) window_clipper->Release();
    if (display_palette != nullptr) display_palette->Release();
    if (back_surface != nullptr) back_surface->Release();
    if (primary_surface != nullptr) primary_surface->Release();
    if (directdraw != nullptr) directdraw->Release();
    if (DesktopDepthChanged != 0) ChangeDisplaySettingsA(nullptr, 0);
    DesktopDepthChanged = 0;
    display_context_forget_objects();
    return 1;
}
