// IDirectDrawSurface7::Blt: checks the rectangles and the surfaces' state as DirectDraw does,
// clips the destination to its clipper, and hands each piece to the pixel routines.
#include "platform/ddraw/ddraw_blit.h"
#include "platform/ddraw/ddraw_clipper.h"
#include "platform/ddraw/ddraw_emulation.h"
#include "platform/ddraw/ddraw_surface.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

RECT intersect(const RECT& a, const RECT& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

// The pieces of `dest` that the surface's clipper lets through, inside the surface; an
// unclipped destination must lie wholly on the surface.
HRESULT clip_pieces(const DdSurface* surface, const RECT& dest, std::vector<RECT>* pieces) {
    pieces->clear();
    if (!surface->clipper) {
        if (!ddraw_rect_inside(dest, surface->width, surface->height)) return DDERR_INVALIDRECT;
        pieces->push_back(dest);
        return DD_OK;
    }
    thread_local std::vector<RECT> list;
    if (!ddraw_clip_rects(surface->clipper, &list)) return DDERR_NOCLIPLIST;
    const RECT bounds = {0, 0, surface->width, surface->height};
    for (const RECT& clip : list) {
        RECT piece = intersect(intersect(clip, bounds), dest);
        if (ddraw_rect_valid(piece)) pieces->push_back(piece);
    }
    return DD_OK;
}

HRESULT fill_colour(DdSurface* surface, const RECT& dest, const DDBLTFX* fx) {
    if (!fx) return DDERR_INVALIDPARAMS;
    thread_local std::vector<RECT> pieces;
    HRESULT result = clip_pieces(surface, dest, &pieces);
    if (FAILED(result)) return result;
    RECT written = {};
    for (const RECT& piece : pieces) {
        ddraw_fill_rect(surface->pixels, surface->pitch, ddraw_bytes_per_pixel(surface->bpp), piece,
                        fx->dwFillColor);
        written = ddraw_rect_union(written, piece);
    }
    ddraw_primary_changed(surface, &written);
    return DD_OK;
}

// Whether `source` may be copied from into a surface of `bpp` bits per pixel now.
HRESULT source_usable(const DdSurface* source, int bpp) {
    if (source->lost) return DDERR_SURFACELOST;
    if (source->locked || source->dc) return DDERR_SURFACEBUSY;
    if (source->bpp != bpp) return DDERR_INVALIDPIXELFORMAT;
    return DD_OK;
}

DdBlitJob copy_job(const DdSurface* dest_surface, const RECT& dest, const DdSurface* source,
                   const RECT& from, DWORD flags) {
    DdBlitJob job = {};
    job.dest = dest_surface->pixels;
    job.dest_pitch = dest_surface->pitch;
    job.source = source->pixels;
    job.source_pitch = source->pitch;
    job.bytes_per_pixel = ddraw_bytes_per_pixel(dest_surface->bpp);
    job.dest_rect = dest;
    job.source_rect = from;
    if ((flags & DDBLT_KEYSRC) && source->has_key) {
        job.keyed = 1;
        job.key_low = source->key.dwColorSpaceLowValue;
        job.key_high = source->key.dwColorSpaceHighValue;
    }
    return job;
}

// A blit within one surface reads from a copy so that overlapping rows are not read after
// they were written: points the job at a copy of the source rectangle, which the caller frees.
std::uint8_t* read_from_copy(DdBlitJob* job) {
    const RECT from = job->source_rect;
    const size_t row_bytes = static_cast<size_t>(from.right - from.left) * job->bytes_per_pixel;
    const size_t rows = static_cast<size_t>(from.bottom - from.top);
    auto* copy = static_cast<std::uint8_t*>(std::malloc(row_bytes * rows));
    if (!copy) return nullptr;
    for (size_t y = 0; y < rows; ++y)
        std::memcpy(copy + y * row_bytes,
                    job->source + (from.top + static_cast<long>(y)) * job->source_pitch +
                        static_cast<long>(from.left) * job->bytes_per_pixel,
                    row_bytes);
    job->source = copy;
    job->source_pitch = static_cast<LONG>(row_bytes);
    job->source_rect = {0, 0, from.right - from.left, from.bottom - from.top};
    return copy;
}

// The part of a piece of a plain copy into the shown primary that will really change: a
// program showing its window's picture this way copies all of it each frame, and the screen
// redraws only rows that differ. Other copies count as written wherever they land.
RECT piece_changes(const DdSurface* surface, const DdBlitJob& job, const RECT& piece) {
    if (surface != ddraw_display.primary || job.keyed) return piece;
    // Wide, since a destination may reach far past the surface and the clipper.
    const RECT& to = job.dest_rect;
    const RECT& from = job.source_rect;
    if (1LL * to.right - to.left != 1LL * from.right - from.left ||
        1LL * to.bottom - to.top != 1LL * from.bottom - from.top)
        return piece;
    const int bytes = job.bytes_per_pixel;
    const long long source_x = from.left + (1LL * piece.left - to.left);
    const long long source_y = from.top + (1LL * piece.top - to.top);
    return ddraw_rows_differing(job.dest + static_cast<long>(piece.top) * job.dest_pitch +
                                    static_cast<long>(piece.left) * bytes,
                                job.dest_pitch,
                                job.source + source_y * job.source_pitch + source_x * bytes,
                                job.source_pitch, bytes, piece);
}

HRESULT blit_copy(DdSurface* surface, const RECT& dest, LPDIRECTDRAWSURFACE7 source_surface,
                  const RECT* source_rect, DWORD flags) {
    if (!source_surface) return DDERR_INVALIDPARAMS;
    DdSurface* source = static_cast<DdSurface*>(source_surface);
    HRESULT result = source_usable(source, surface->bpp);
    if (FAILED(result)) return result;
    const RECT from = source_rect ? *source_rect : RECT{0, 0, source->width, source->height};
    if (!ddraw_rect_inside(from, source->width, source->height)) return DDERR_INVALIDRECT;

    thread_local std::vector<RECT> pieces;
    result = clip_pieces(surface, dest, &pieces);
    if (FAILED(result)) return result;

    DdBlitJob job = copy_job(surface, dest, source, from, flags);
    std::uint8_t* copy = source == surface ? read_from_copy(&job) : nullptr;
    if (source == surface && !copy) return DDERR_OUTOFMEMORY;
    RECT written = {};
    for (const RECT& piece : pieces) {
        written = ddraw_rect_union(written, piece_changes(surface, job, piece));
        ddraw_copy_rect(job, piece);
    }
    std::free(copy);
    ddraw_primary_changed(surface, &written);
    return DD_OK;
}

} // namespace

HRESULT DdSurface::Blt(LPRECT dest_rect, LPDIRECTDRAWSURFACE7 source_surface, LPRECT source_rect,
                       DWORD flags, LPDDBLTFX fx) {
    if (ddraw_should_fail(DDFAIL_BLT)) return DDERR_SURFACELOST;
    if (lost) return DDERR_SURFACELOST;
    if (locked || dc) return DDERR_SURFACEBUSY;
    const RECT dest = dest_rect ? *dest_rect : RECT{0, 0, width, height};
    if (!ddraw_rect_valid(dest)) return DDERR_INVALIDRECT;
    if (flags & DDBLT_COLORFILL) return fill_colour(this, dest, fx);
    return blit_copy(this, dest, source_surface, source_rect, flags);
}
