// Cost of rebuilding the clock and calendar captions, as every one-second tick does.
#include "calendar/panel_text.h"
#include "core/gbk_convert.h"

#include <benchmark/benchmark.h>

namespace {

const tv::DateTime kMoment{2016, 2, 14, 7, 5, 9};

void BM_ClockCaption(benchmark::State &state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(tv::calendar::clock_caption(kMoment));
}
BENCHMARK(BM_ClockCaption);

void BM_CalendarCaption(benchmark::State &state) {
    const std::string &no_festival = tv::gbk(tv::calendar::kMainNoFestivalText);
    for (auto _ : state)
        benchmark::DoNotOptimize(tv::calendar::calendar_caption(kMoment, no_festival));
}
BENCHMARK(BM_CalendarCaption);

// What one tick computes: both captions, with the no-festival text converted as the tick does.
void BM_PanelTick(benchmark::State &state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(tv::calendar::clock_caption(kMoment));
        benchmark::DoNotOptimize(tv::calendar::calendar_caption(kMoment, tv::gbk(tv::calendar::kMainNoFestivalText)));
    }
}
BENCHMARK(BM_PanelTick);

} // namespace
