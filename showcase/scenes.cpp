// The scenes in the order the tour shows them.
#include "showcase/scene.h"

const Scene* const SCENES[SCENE_COUNT] = {&LINES_SCENE, &TRIANGLES_SCENE, &POLYGONS_SCENE,
                                          &PALETTE_SCENE, &SPRITES_SCENE};
