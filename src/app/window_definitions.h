#pragma once
// The three window definitions of the program.
#include "ui/definitions.h"

#include <array>
#include <span>

namespace tv::app {

const ui::WindowDef &main_window();
const ui::WindowDef &notice_board_window();
const ui::WindowDef &remote_control_window();

// All three, for the toolkit to create windows by id.
std::span<const ui::WindowDef *const> window_catalogue();

} // namespace tv::app
