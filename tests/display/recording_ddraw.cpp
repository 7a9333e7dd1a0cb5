// Stand-ins for the DirectDraw interfaces that record what they are handed.
#include "recording_ddraw.h"

#include <cstring>

HRESULT RecordingClipper::SetClipList(LPRGNDATA region, DWORD flags) {
    ++set_clip_list_calls;
    if (region == nullptr || flags != 0) return DDERR_INVALIDPARAMS;
    header = region->rdh;
    rects.resize(header.nCount);
    if (header.nCount > 0) std::memcpy(rects.data(), region->Buffer, header.nCount * sizeof(RECT));
    return set_clip_list_result;
}

HRESULT RecordingSurface::Blt(LPRECT dest_rect, LPDIRECTDRAWSURFACE7 source, LPRECT source_rect,
                              DWORD flags, LPDDBLTFX fx) {
    RecordedBlt blt = {};
    blt.had_dest_rect = dest_rect != nullptr;
    if (dest_rect != nullptr) blt.dest_rect = *dest_rect;
    blt.source = source;
    blt.had_source_rect = source_rect != nullptr;
    blt.flags = flags;
    blt.had_fx = fx != nullptr;
    if (fx != nullptr) blt.fx = *fx;
    blts.push_back(blt);
    return blt_result;
}

HRESULT RecordingDirectDraw::CreateClipper(DWORD flags, LPDIRECTDRAWCLIPPER* out, IUnknown* outer) {
    if (out == nullptr || flags != 0 || outer != nullptr) return DDERR_INVALIDPARAMS;
    *out = nullptr;
    if (FAILED(create_clipper_result)) return create_clipper_result;
    *out = &clipper;
    return DD_OK;
}

HRESULT RecordingDirectDraw::CreateSurface(LPDDSURFACEDESC2 desc, LPDIRECTDRAWSURFACE7* out,
                                           IUnknown* outer) {
    ++create_surface_calls;
    if (desc == nullptr || out == nullptr || outer != nullptr) return DDERR_INVALIDPARAMS;
    surface_request = *desc;
    *out = nullptr;
    if (FAILED(create_surface_result)) return create_surface_result;
    *out = &surface;
    return DD_OK;
}
