// The game's controller bindings: the d-pad and left stick are the arrows, A jumps (Page Down),
// X or the right trigger runs (Delete), Start is Enter and Back is Escape.
#include "shell/pad_bindings.h"
#include "platform/pads.h"
#include "platform/win32.h"

namespace {

const PadBinding GAME_BINDINGS[] = {
    {pad_button(PAD_UP), VK_UP},
    {pad_button(PAD_DOWN), VK_DOWN},
    {pad_button(PAD_LEFT), VK_LEFT},
    {pad_button(PAD_RIGHT), VK_RIGHT},
    {pad_button(PAD_SOUTH), VK_NEXT},
    {pad_button(PAD_WEST) | pad_button(PAD_RIGHT_TRIGGER), VK_DELETE},
    {pad_button(PAD_START), VK_RETURN},
    {pad_button(PAD_BACK), VK_ESCAPE},
};

} // namespace

void bind_game_pad() {
    pad_bind(GAME_BINDINGS, static_cast<int>(sizeof GAME_BINDINGS / sizeof GAME_BINDINGS[0]));
}
