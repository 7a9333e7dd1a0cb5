// Polygons: a star outlined and an octagon filled, each turned and scaled once directly and
// once through matrices, with their bounding boxes.
#include "showcase/caption.h"
#include "showcase/colours.h"
#include "showcase/drawing.h"
#include "showcase/scene.h"

#include "engine/engine.h"

namespace {

constexpr std::int32_t STAR_POINTS = 10, OCTAGON_POINTS = 8;
constexpr float STAR_OUTER = 74.0f, STAR_INNER = 30.0f, OCTAGON_RADIUS = 70.0f;
constexpr std::int32_t MIDDLE_X = 320, MIDDLE_Y = 248;

Point2D StarModel[STAR_POINTS];
Point2D OctagonModel[OCTAGON_POINTS];
// The vertices being turned and scaled, copied from the model at each frame so that no
// rounding builds up from one frame to the next.
Point2D Vertices[STAR_POINTS];

struct Quarter {
    ClipRect box;
    const char* title;
    const char* calls;
};

const Quarter QUARTERS[4] = {
    {{0, SCENE_TOP, MIDDLE_X - 1, MIDDLE_Y - 1},
     "outline, turned and scaled directly",
     "rotate_polygon, scale_polygon, draw_polygon8"},
    {{MIDDLE_X, SCENE_TOP, 639, MIDDLE_Y - 1},
     "outline, through matrices",
     "rotate_, scale_ and translate_polygon_mat"},
    {{0, MIDDLE_Y, MIDDLE_X - 1, SCENE_BOTTOM},
     "filled, turned and scaled directly",
     "draw_filled_polygon8 and its outline"},
    {{MIDDLE_X, MIDDLE_Y, 639, SCENE_BOTTOM},
     "filled, through matrices",
     "the vertices marked by mat_mul_1x2_3x2"},
};

std::int32_t degrees(std::int32_t angle) {
    return ((angle % 360) + 360) % 360;
}

// Between 0.55 and 1, in a slow swing.
float swing(std::int32_t frame) {
    return 0.775f + 0.225f * sin_table[degrees(frame * 4)];
}

Polygon shape_at(const Point2D* model, std::int32_t count, const ClipRect& box,
                 std::int32_t color) {
    for (std::int32_t i = 0; i < count; ++i)
        Vertices[i] = model[i];
    Polygon polygon = {};
    polygon.active = 1;
    polygon.num_verts = count;
    polygon.x0 = (box.min_x + box.max_x) / 2;
    polygon.y0 = (box.min_y + box.max_y) / 2 + 14;
    polygon.color = color;
    polygon.vlist = Vertices;
    return polygon;
}

void draw_bounds(const Polygon& polygon, std::uint8_t* buffer, std::int32_t pitch) {
    float min_x, max_x, min_y, max_y;
    if (!polygon_bounding_box(&polygon, &min_x, &max_x, &min_y, &max_y)) return;
    draw_box8({polygon.x0 + static_cast<std::int32_t>(min_x),
               polygon.y0 + static_cast<std::int32_t>(min_y),
               polygon.x0 + static_cast<std::int32_t>(max_x),
               polygon.y0 + static_cast<std::int32_t>(max_y)},
              GREY + 6, buffer, pitch);
}

// Small squares at the vertices' screen positions, found through a translation matrix.
void mark_vertices(const Polygon& polygon, std::uint8_t* buffer, std::int32_t pitch) {
    Matrix3x2 place;
    mat_init_3x2(&place, 1.0f, 0.0f, 0.0f, 1.0f, static_cast<float>(polygon.x0),
                 static_cast<float>(polygon.y0));
    for (std::int32_t i = 0; i < polygon.num_verts; ++i) {
        Point2D on_screen;
        mat_mul_1x2_3x2(&polygon.vlist[i], &place, &on_screen);
        const std::int32_t x = static_cast<std::int32_t>(on_screen.x);
        const std::int32_t y = static_cast<std::int32_t>(on_screen.y);
        fill_box8({x - 2, y - 2, x + 2, y + 2}, GOLD + 12, buffer, pitch);
    }
}

void draw_quarter(int quarter, std::int32_t frame, std::uint8_t* buffer, std::int32_t pitch) {
    const ClipRect& box = QUARTERS[quarter].box;
    const ClipRect saved = set_clip(box);
    const bool filled = quarter >= 2;
    const bool matrices = quarter % 2 == 1;
    Polygon polygon = filled ? shape_at(OctagonModel, OCTAGON_POINTS, box, TEAL + 6)
                             : shape_at(StarModel, STAR_POINTS, box, PINK + 10);
    const float scale = swing(frame + quarter * 20);
    const std::int32_t angle = degrees(frame * (matrices ? -3 : 2));
    if (matrices) {
        scale_polygon_mat(&polygon, scale, scale);
        rotate_polygon_mat(&polygon, angle);
        const std::int32_t shift = static_cast<std::int32_t>(50.0f * cos_table[degrees(frame * 3)]);
        translate_polygon_mat(&polygon, shift, 0);
    } else {
        scale_polygon(&polygon, scale, scale);
        rotate_polygon(&polygon, angle);
    }
    draw_bounds(polygon, buffer, pitch);
    if (filled) {
        draw_filled_polygon8(&polygon, buffer, pitch);
        polygon.color = TEAL + 14;
    }
    draw_polygon8(&polygon, buffer, pitch);
    if (quarter == 3) mark_vertices(polygon, buffer, pitch);
    restore_clip(saved);
}

void make_models() {
    for (std::int32_t i = 0; i < STAR_POINTS; ++i) {
        const float radius = i % 2 == 0 ? STAR_OUTER : STAR_INNER;
        StarModel[i] = {radius * cos_table[i * 36], radius * sin_table[i * 36]};
    }
    for (std::int32_t i = 0; i < OCTAGON_POINTS; ++i)
        OctagonModel[i] = {OCTAGON_RADIUS * cos_table[i * 45 + 22],
                           OCTAGON_RADIUS * sin_table[i * 45 + 22]};
}

void draw_pixels(std::int32_t frame, std::uint8_t* buffer, std::int32_t pitch) {
    for (int quarter = 0; quarter < 4; ++quarter)
        draw_quarter(quarter, frame, buffer, pitch);
    draw_hline8(0, 639, MIDDLE_Y - 1, GREY + 3, buffer, pitch);
    draw_vline8(SCENE_TOP, SCENE_BOTTOM, MIDDLE_X - 1, GREY + 3, buffer, pitch);
}

void draw_surface(std::int32_t, IDirectDrawSurface7* surface) {
    for (const Quarter& quarter : QUARTERS) {
        label(surface, quarter.box.min_x + 8, quarter.box.min_y + 4, WHITE, quarter.title);
        label(surface, quarter.box.min_x + 8, quarter.box.min_y + 20, GREY + 10, quarter.calls);
    }
}

} // namespace

const Scene POLYGONS_SCENE = {"Polygons and 2D transforms",
                              "turning and scaling, bounding boxes (grey), outlines and fills",
                              "polygons",
                              make_models,
                              nullptr,
                              draw_pixels,
                              draw_surface,
                              nullptr};
