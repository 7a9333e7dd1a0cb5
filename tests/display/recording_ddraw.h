// Stand-ins for the DirectDraw interfaces that record exactly what the display layer hands
// them (records, flags, colours), where the emulation would digest it before a test could see.
#pragma once

#include "platform/ddraw.h"

#include <vector>

struct RecordingClipper final : IDirectDrawClipper {
    int refs = 1;
    int set_clip_list_calls = 0;
    HRESULT set_clip_list_result = DD_OK;
    RGNDATAHEADER header = {};
    std::vector<RECT> rects;

    HRESULT QueryInterface(REFIID, LPVOID*) override { return DDERR_UNSUPPORTED; }
    DWORD AddRef() override { return static_cast<DWORD>(++refs); }
    DWORD Release() override { return static_cast<DWORD>(--refs); }
    HRESULT GetClipList(LPRECT, LPRGNDATA, LPDWORD) override { return DDERR_UNSUPPORTED; }
    HRESULT GetHWnd(HWND*) override { return DDERR_UNSUPPORTED; }
    HRESULT SetClipList(LPRGNDATA region, DWORD flags) override;
    HRESULT SetHWnd(DWORD, HWND) override { return DDERR_UNSUPPORTED; }
};

struct RecordedBlt {
    bool had_dest_rect;
    RECT dest_rect;
    IDirectDrawSurface7* source;
    bool had_source_rect;
    DWORD flags;
    bool had_fx;
    DDBLTFX fx;
};

struct RecordingSurface final : IDirectDrawSurface7 {
    int refs = 1;
    std::vector<RecordedBlt> blts;
    HRESULT blt_result = DD_OK;
    int flip_calls = 0;
    DWORD flip_flags = 0;
    HRESULT flip_result = DD_OK;
    int lock_calls = 0;
    DWORD lock_flags = 0;
    int unlock_calls = 0;
    IDirectDrawClipper* clipper = nullptr;
    HRESULT set_clipper_result = DD_OK;
    int set_color_key_calls = 0;
    DWORD color_key_flags = 0;
    DDCOLORKEY color_key = {};
    HRESULT set_color_key_result = DD_OK;

    HRESULT QueryInterface(REFIID, LPVOID*) override { return DDERR_UNSUPPORTED; }
    DWORD AddRef() override { return static_cast<DWORD>(++refs); }
    DWORD Release() override { return static_cast<DWORD>(--refs); }
    HRESULT Blt(LPRECT dest_rect, LPDIRECTDRAWSURFACE7 source, LPRECT source_rect, DWORD flags,
                LPDDBLTFX fx) override;
    HRESULT Flip(LPDIRECTDRAWSURFACE7, DWORD flags) override {
        ++flip_calls;
        flip_flags = flags;
        return flip_result;
    }
    HRESULT GetAttachedSurface(LPDDSCAPS2, LPDIRECTDRAWSURFACE7*) override {
        return DDERR_UNSUPPORTED;
    }
    HRESULT GetCaps(LPDDSCAPS2) override { return DDERR_UNSUPPORTED; }
    HRESULT GetClipper(LPDIRECTDRAWCLIPPER*) override { return DDERR_UNSUPPORTED; }
    HRESULT GetColorKey(DWORD, LPDDCOLORKEY) override { return DDERR_UNSUPPORTED; }
    HRESULT GetDC(HDC*) override { return DDERR_UNSUPPORTED; }
    HRESULT GetPalette(LPDIRECTDRAWPALETTE*) override { return DDERR_UNSUPPORTED; }
    HRESULT GetPixelFormat(LPDDPIXELFORMAT) override { return DDERR_UNSUPPORTED; }
    HRESULT GetSurfaceDesc(LPDDSURFACEDESC2) override { return DDERR_UNSUPPORTED; }
    HRESULT IsLost() override { return DD_OK; }
    HRESULT Lock(LPRECT, LPDDSURFACEDESC2, DWORD flags, HANDLE) override {
        ++lock_calls;
        lock_flags = flags;
        return DDERR_UNSUPPORTED;
    }
    HRESULT ReleaseDC(HDC) override { return DDERR_UNSUPPORTED; }
    HRESULT Restore() override { return DD_OK; }
    HRESULT SetClipper(LPDIRECTDRAWCLIPPER new_clipper) override {
        if (FAILED(set_clipper_result)) return set_clipper_result;
        clipper = new_clipper;
        return DD_OK;
    }
    HRESULT SetColorKey(DWORD flags, LPDDCOLORKEY key) override {
        ++set_color_key_calls;
        color_key_flags = flags;
        if (key != nullptr) color_key = *key;
        return set_color_key_result;
    }
    HRESULT SetPalette(LPDIRECTDRAWPALETTE) override { return DDERR_UNSUPPORTED; }
    HRESULT Unlock(LPRECT) override {
        ++unlock_calls;
        return DD_OK;
    }
};

struct RecordingDirectDraw final : IDirectDraw7 {
    RecordingClipper clipper;
    RecordingSurface surface;
    HRESULT create_clipper_result = DD_OK;
    HRESULT create_surface_result = DD_OK;
    int create_surface_calls = 0;
    DDSURFACEDESC2 surface_request = {};
    int wait_calls = 0;
    DWORD wait_flags = 0;

    HRESULT QueryInterface(REFIID, LPVOID*) override { return DDERR_UNSUPPORTED; }
    DWORD AddRef() override { return 1; }
    DWORD Release() override { return 0; }
    HRESULT CreateClipper(DWORD flags, LPDIRECTDRAWCLIPPER* out, IUnknown* outer) override;
    HRESULT CreatePalette(DWORD, LPPALETTEENTRY, LPDIRECTDRAWPALETTE*, IUnknown*) override {
        return DDERR_UNSUPPORTED;
    }
    HRESULT CreateSurface(LPDDSURFACEDESC2 desc, LPDIRECTDRAWSURFACE7* out,
                          IUnknown* outer) override;
    HRESULT RestoreDisplayMode() override { return DD_OK; }
    HRESULT SetCooperativeLevel(HWND, DWORD) override { return DDERR_UNSUPPORTED; }
    HRESULT SetDisplayMode(DWORD, DWORD, DWORD, DWORD, DWORD) override { return DDERR_UNSUPPORTED; }
    HRESULT WaitForVerticalBlank(DWORD flags, HANDLE) override {
        ++wait_calls;
        wait_flags = flags;
        return DD_OK;
    }
    HRESULT RestoreAllSurfaces() override { return DD_OK; }
};
