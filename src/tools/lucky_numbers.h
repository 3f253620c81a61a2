#pragma once
// The lucky-number picker: seven random digits per press.
#include "app/context.h"

#include <array>
#include <cstdint>

namespace tv::tools {

inline constexpr std::array<std::string_view, 7> kDigitBoxes{"编辑框4", "编辑框5", "编辑框6", "编辑框7",
                                                             "编辑框8", "编辑框9", "编辑框10"};

// state = state * 214013 + 2531011 (mod 2^32); output = bits 16..30 of the new state.
int next_random(std::uint32_t &state);
// Seeds the generator from the milliseconds since start-up plus the accumulator, which grows
// by the seed's low byte plus 100 so that two seedings in one millisecond differ.
void seed_from_uptime(LuckyState &lucky, std::uint32_t uptime_ms);
// Seven digits drawn from the generator.
std::array<int, 7> draw_digits(std::uint32_t &state);

// 按钮31: seeds, then fills the seven boxes in order.
void on_lucky_clicked(Context &ctx, const ui::Event &event);

} // namespace tv::tools
