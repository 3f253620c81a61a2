#pragma once
// The notice board: the directory's notice in the screen corner, two links, and a countdown
// from 100 that lives only in the count label's caption.
#include "app/context.h"

namespace tv::windows {

void open_notice_board(Context &ctx);

void on_notice_board_created(Context &ctx, const ui::Event &event);
void on_countdown_tick(Context &ctx, const ui::Event &event);
void on_notice_heading_pressed(Context &ctx, const ui::Event &event); // 透明标签1
void on_notice_text_pressed(Context &ctx, const ui::Event &event);    // 透明标签2

// The next caption of the count label: the caption read as a number, minus one, in the
// general number format with at most 13 significant digits.
Text next_count(std::string_view gbk_caption);

} // namespace tv::windows
