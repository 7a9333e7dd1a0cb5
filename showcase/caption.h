// The text around a scene: the caption bands with its title and the keys, and the banner
// that names a transition while it plays.
#pragma once

#include "showcase/scene.h"

#include <cstdint>

// The rows a scene may draw in; the caption bands cover the rest.
constexpr std::int32_t SCENE_TOP = 40;
constexpr std::int32_t SCENE_BOTTOM = 455;

void draw_caption(const Scene& scene, std::int32_t index);
// Names the effect in a box in the middle of the screen.
void draw_transition_banner(std::int32_t effect);
