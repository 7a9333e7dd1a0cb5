// Makes the guide's pictures of the showcase: tours every scene on the headless backend and
// writes the kept frame of each as showcase-<scene>.bmp. Run it from the folder with the
// data files: capture_showcase <out folder>.
#include "showcase_tour.h"

#include "showcase/scene.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: capture_showcase <output folder>\n");
        return 2;
    }
    std::vector<int> keys(SCENE_COUNT - 1, VK_RIGHT);
    const Tour tour = tour_showcase(keys);
    int written = 0;
    for (const SceneShot& shot : tour.shots) {
        const std::string path =
            std::string(argv[1]) + "/showcase-" + SCENES[shot.scene]->short_name + ".bmp";
        written += headless_write_bmp(shot.frame, path.c_str());
    }
    if (tour.exit_code != 0 || written != SCENE_COUNT) {
        std::fprintf(stderr, "capture_showcase: exit code %d, %d of %d pictures written\n",
                     tour.exit_code, written, SCENE_COUNT);
        return 1;
    }
    return 0;
}
