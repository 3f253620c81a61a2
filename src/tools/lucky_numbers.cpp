#include "tools/lucky_numbers.h"

namespace tv::tools {

int next_random(std::uint32_t &state) {
    state = state * 214013u + 2531011u;
    return static_cast<int>((state >> 16) & 0x7FFF);
}

void seed_from_uptime(LuckyState &lucky, std::uint32_t uptime_ms) {
    const std::uint32_t seed = uptime_ms + lucky.accumulator;
    lucky.accumulator += (seed & 0xFF) + 100;
    lucky.generator = seed;
}

std::array<int, 7> draw_digits(std::uint32_t &state) {
    std::array<int, 7> digits{};
    for (int &d : digits)
        d = next_random(state) % 10;
    return digits;
}

void on_lucky_clicked(Context &ctx, const ui::Event &) {
    seed_from_uptime(ctx.lucky, ctx.clock.uptime_ms());
    const std::array<int, 7> digits = draw_digits(ctx.lucky.generator);
    for (std::size_t i = 0; i < kDigitBoxes.size(); ++i)
        ctx.ui.set_text(kMainWindow, kDigitBoxes[i], Text(1, static_cast<char>('0' + digits[i])));
}

} // namespace tv::tools
