// DirectDraw clippers: a list of rectangles, or the rectangle of a window.
#include "platform/ddraw/ddraw_clipper.h"
#include "platform/ddraw/ddraw_emulation.h"

#include <algorithm>
#include <cstring>

namespace {

// Past this a clip list is garbage rather than a region anyone drew.
constexpr DWORD max_clip_rects = 1u << 20;

} // namespace

int ddraw_clip_rects(const IDirectDrawClipper* clipper_interface, std::vector<RECT>* rects) {
    const DdClipper* clipper = static_cast<const DdClipper*>(clipper_interface);
    rects->clear();
    if (clipper->window) {
        RECT window = {};
        if (GetWindowRect(clipper->window, &window)) rects->push_back(window);
        return 1;
    }
    if (!clipper->has_list) return 0;
    *rects = clipper->rects;
    return 1;
}

HRESULT DdClipper::QueryInterface(REFIID, LPVOID* object) {
    return ddraw_refuse_interface(object);
}

DWORD DdClipper::AddRef() {
    return ++refs;
}

DWORD DdClipper::Release() {
    return ddraw_release_plain(this);
}

HRESULT DdClipper::SetClipList(LPRGNDATA region, DWORD flags) {
    if (flags) return DDERR_INVALIDPARAMS;
    if (ddraw_should_fail(DDFAIL_SET_CLIP_LIST)) return DDERR_GENERIC;
    // A window clipper follows its window; a list cannot replace that.
    if (window) return DDERR_INVALIDPARAMS;
    if (!region) {
        has_list = 0;
        rects.clear();
        return DD_OK;
    }
    const RGNDATAHEADER& header = region->rdh;
    if (header.dwSize != sizeof(RGNDATAHEADER) || header.iType != RDH_RECTANGLES ||
        header.nCount > max_clip_rects)
        return DDERR_INVALIDPARAMS;
    // nRgnSize may be left 0 by callers; when given it must cover the rectangles.
    if (header.nRgnSize != 0 && header.nRgnSize < header.nCount * sizeof(RECT))
        return DDERR_INVALIDPARAMS;
    std::vector<RECT> list(header.nCount);
    if (header.nCount) std::memcpy(list.data(), region->Buffer, header.nCount * sizeof(RECT));
    rects.swap(list);
    has_list = 1;
    return DD_OK;
}

HRESULT DdClipper::GetClipList(LPRECT limit, LPRGNDATA region, LPDWORD size) {
    if (!size) return DDERR_INVALIDPARAMS;
    std::vector<RECT> list;
    if (!ddraw_clip_rects(this, &list)) return DDERR_NOCLIPLIST;
    RECT bound = {0, 0, 0, 0};
    std::vector<RECT> kept;
    for (RECT r : list) {
        if (limit) {
            r.left = std::max(r.left, limit->left);
            r.top = std::max(r.top, limit->top);
            r.right = std::min(r.right, limit->right);
            r.bottom = std::min(r.bottom, limit->bottom);
            if (r.left >= r.right || r.top >= r.bottom) continue;
        }
        if (kept.empty()) {
            bound = r;
        } else {
            bound.left = std::min(bound.left, r.left);
            bound.top = std::min(bound.top, r.top);
            bound.right = std::max(bound.right, r.right);
            bound.bottom = std::max(bound.bottom, r.bottom);
        }
        kept.push_back(r);
    }
    DWORD needed = static_cast<DWORD>(sizeof(RGNDATAHEADER) + kept.size() * sizeof(RECT));
    if (!region) {
        *size = needed;
        return DD_OK;
    }
    if (*size < needed) {
        *size = needed;
        return DDERR_INVALIDPARAMS;
    }
    region->rdh.dwSize = sizeof(RGNDATAHEADER);
    region->rdh.iType = RDH_RECTANGLES;
    region->rdh.nCount = static_cast<DWORD>(kept.size());
    region->rdh.nRgnSize = static_cast<DWORD>(kept.size() * sizeof(RECT));
    region->rdh.rcBound = bound;
    if (!kept.empty()) std::memcpy(region->Buffer, kept.data(), kept.size() * sizeof(RECT));
    return DD_OK;
}

HRESULT DdClipper::GetHWnd(HWND* out) {
    if (!out) return DDERR_INVALIDPARAMS;
    *out = window;
    return DD_OK;
}

HRESULT DdClipper::SetHWnd(DWORD, HWND bound) {
    window = bound;
    return DD_OK;
}
