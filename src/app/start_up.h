#pragma once
// The program's start-up: the entry's steps and the main window's created handler.
#include "app/context.h"

namespace tv::app {

// Created handler of the main window: tips, control look, show, switch baseline, the start-up
// read, the shutdown seed, the timer period.
void on_main_window_created(Context &ctx, const ui::Event &event);

// Writes the time three minutes before now into the shutdown row.
void seed_shutdown_fields(Context &ctx);

// The entry's steps after the toolkit is up: registers the exit routine, creates the main
// window and runs the message loop until no window is left.
int run_portal(Context &ctx);

} // namespace tv::app
