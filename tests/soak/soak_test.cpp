// Eleven and a half days of one-second ticks (a million) of the main window and the
// remote-control bar on the in-memory toolkit: the captions are replaced, never grown, the heap
// in use ends where it started, and the exit routine leaves nothing behind (LeakSanitizer checks
// that part in the sanitizer build).
#include "app/window_definitions.h"
#include "core/gbk_convert.h"

#include "../support/portal_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <malloc.h>

#if defined(__SANITIZE_ADDRESS__)
// From the sanitizer runtime's allocator interface (GCC ships no header for it).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace tv {
namespace {

using tv::testing::directory_page;
using tv::testing::Portal;

constexpr int kTicks = 1'000'000;
constexpr int kWarmUpTicks = 1'000;
// Live heap may differ by this much after the soak: allocator bookkeeping, not a leak. A leak of
// even one byte a tick would show as a megabyte.
constexpr std::size_t kHeapMarginBytes = 64 * 1024;
// The longest calendar caption: two star pairs, the dates, the weekday and the longest festival.
constexpr std::size_t kCalendarCaptionBound = 256;
constexpr std::size_t kClockCaptionSize = 8; // hh:mm:ss

std::size_t heap_in_use() {
#if defined(__SANITIZE_ADDRESS__)
    return __sanitizer_get_current_allocated_bytes();
#else
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
#endif
}

std::size_t line_count(const std::string &text) {
    return 1 + static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

struct CaptionSizes {
    std::size_t clock_min = SIZE_MAX, clock_max = 0, calendar_max = 0;
    std::size_t calendar_lines_min = SIZE_MAX, calendar_lines_max = 0;

    void record(const ui::Ui &ui, std::string_view window) {
        const std::size_t clock = ui.text(window, "time").size();
        clock_min = std::min(clock_min, clock);
        clock_max = std::max(clock_max, clock);
        const std::string calendar = ui.text(window, "日期");
        calendar_max = std::max(calendar_max, calendar.size());
        const std::size_t lines = line_count(calendar);
        calendar_lines_min = std::min(calendar_lines_min, lines);
        calendar_lines_max = std::max(calendar_lines_max, lines);
    }
};

TEST(Soak, AMillionTicksOfBothWindowsKeepMemoryFlat) {
    // From 28 January 2016 the soak passes 立春, the lunar New Year and Valentine's Day, so the
    // calendar captions change length along the way.
    Portal p(app::window_catalogue(), DateTime{2016, 1, 28, 10, 5, 7});
    p.serve(directory_page({{"解除封印", "1"}, {"施展咒语", "http://127.0.0.1:8173/full.htm"}}));
    p.ui.set_exit_routine([&p] { p.directory.release_all(); }); // as app::run_portal registers it
    p.ui.load_window(kMainWindow);
    ASSERT_TRUE(p.ui.is_open(kRemoteControl));

    for (int i = 0; i < kWarmUpTicks; ++i)
        p.ui.advance(1000);
    const std::size_t journal_before = p.journal.entries.size();
    const std::size_t heap_before = heap_in_use();

    CaptionSizes main_sizes, remote_sizes;
    for (int i = 0; i < kTicks; ++i) {
        p.ui.advance(1000);
        main_sizes.record(p.ui, kMainWindow);
        remote_sizes.record(p.ui, kRemoteControl);
    }
    const std::size_t heap_after = heap_in_use();

    for (const CaptionSizes *s : {&main_sizes, &remote_sizes}) {
        EXPECT_EQ(s->clock_min, kClockCaptionSize);
        EXPECT_EQ(s->clock_max, kClockCaptionSize);
        EXPECT_EQ(s->calendar_lines_min, 7u);
        EXPECT_EQ(s->calendar_lines_max, 7u);
        EXPECT_LE(s->calendar_max, kCalendarCaptionBound);
    }
    EXPECT_EQ(utf8_from_gbk(p.ui.text(kMainWindow, "time")), "00:08:27"); // 1 001 000 s after 10:05:07
    EXPECT_EQ(p.journal.entries.size(), journal_before) << "ticks should ask nothing of the platform";
    EXPECT_EQ(p.power.requests, 0); // the seeded shutdown moment lies in the past
    EXPECT_LE(heap_after, heap_before + kHeapMarginBytes)
        << "heap grew by " << (heap_after - heap_before) << " bytes over " << kTicks << " ticks";

    // The bar's exit button closes both windows; the exit routine then releases the directory.
    p.ui.click(kRemoteControl, "退出");
    EXPECT_TRUE(p.ui.program_ended());
    EXPECT_TRUE(p.directory.value("施展咒语").empty());
}

} // namespace
} // namespace tv
