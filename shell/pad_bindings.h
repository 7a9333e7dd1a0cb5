// The game's controller bindings: which key each controller button holds down while playing.
#pragma once

// Hands the game's bindings to the platform; before the window opens, so that a controller
// already plugged in plays from the first frame.
void bind_game_pad();
