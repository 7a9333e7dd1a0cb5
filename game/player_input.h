// The movement keys, polled from the keyboard's state once per played frame, and the
// horizontal speed rules they drive.
#pragma once

#include <cstdint>

struct PlayerKeys {
    bool right;
    bool left;
    bool run;
    bool jump;
};

PlayerKeys poll_player_keys();
// Accelerates toward the held direction (right wins when both are held) and turns the
// character to face it; leaves the speed and the facing alone when neither is held.
void steer_player(const PlayerKeys& keys);
// Starts, continues or ends a jump, or sets the fall speed.
void update_jump(bool jump_held);
