// When the screens make their sounds: the menu's move and choose for what the keys and clicks
// changed, and the tune on the playing screen only.
#pragma once

// Once a pass, after the input.
void update_screen_sounds();
