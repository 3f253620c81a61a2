// One second's work of each window's timer on a started portal (in-memory toolkit, fake
// platform): the main window's tick (show, clock, calendar, power-off check) and the
// remote-control bar's tick (show, clock, calendar). The handlers are called directly, so the
// figure is the handler alone, without any toolkit timer machinery.
#include "app/window_definitions.h"
#include "calendar/tick.h"

#include "../tests/support/portal_fixture.h"

#include <benchmark/benchmark.h>

namespace {

using tv::testing::directory_page;
using tv::testing::Portal;

// A portal with its main window and, through the full-window switch, the remote-control bar open.
struct Started : Portal {
    Started() : Portal(tv::app::window_catalogue()) {
        serve(directory_page({{"解除封印", "1"}, {"施展咒语", "http://127.0.0.1:8173/full.htm"}}));
        ui.load_window(tv::kMainWindow);
    }
};

void advance_a_second(Started &p) {
    p.clock.advance_ms(1000);
}

void BM_MainTick(benchmark::State &state) {
    Started p;
    const tv::ui::Event tick{tv::kMainWindow, "时钟1", tv::ui::EventKind::Periodic, {}};
    for (auto _ : state) {
        advance_a_second(p);
        tv::calendar::on_main_tick(p.ctx, tick);
    }
}
BENCHMARK(BM_MainTick)->Unit(benchmark::kMicrosecond);

void BM_RemoteTick(benchmark::State &state) {
    Started p;
    if (!p.ui.is_open(tv::kRemoteControl)) {
        state.SkipWithError("the remote-control bar did not open");
        return;
    }
    const tv::ui::Event tick{tv::kRemoteControl, "时钟1", tv::ui::EventKind::Periodic, {}};
    for (auto _ : state) {
        advance_a_second(p);
        tv::calendar::on_remote_tick(p.ctx, tick);
    }
}
BENCHMARK(BM_RemoteTick)->Unit(benchmark::kMicrosecond);

} // namespace
