// The start-up read's 70 lookups on a 1 MiB directory page, against the same lookups done as
// 70 plain memmem passes (memmem of "<p>KEY=", then of "</p>" after it). The line printed last
// is the ratio lookup / memmem of the median CPU times; the aim is 1.0x or less. The read finds
// all its keys in one walk over the section's "<p>" tags, so it costs about one memmem pass.
// For a steady figure run --benchmark_repetitions=9 --benchmark_enable_random_interleaving=true.
#include "core/gbk_convert.h"
#include "core/text.h"
#include "directory/directory_keys.h"
#include "directory/page.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr std::size_t kPageSize = 1u << 20;

// Markup and Chinese text of a blog article, as stands between the entries of a real page.
constexpr std::string_view kFiller[] = {
    "<div class=\"para\">今日节目预告：新闻联播、天气预报、焦点访谈，欢迎收看。</div>\n",
    "<p>频道信号来自网络，如遇卡顿请稍候再试。</p>\n",
    "<span style=\"color:#333\">本页内容由维护者更新，地址变动请以此为准。</span><br/>\n",
    "&nbsp;<a href=\"http://127.0.0.1/blog\">返回博客首页</a>&nbsp;\n",
};

std::string value_of(std::string_view key, std::size_t index) {
    if (key == "水平扫描" || key == "垂直扫描")
        return "640";
    if (key == "智能识别" || key == "解除封印")
        return "0";
    return "http://127.0.0.1:8173/play.htm?ch=" + std::to_string(index);
}

// A GBK page of about kPageSize bytes: the 81 entries spread evenly through the section in a
// scrambled order (so lookups reach near and far), filler between them.
std::string make_page() {
    const std::size_t keys = tv::directory::kKeys.size();
    const std::size_t gap = kPageSize / (keys + 1);
    std::string page = tv::gbk_from_utf8("<html><head><title>频道目录</title></head><body>\n////开始\n");
    std::size_t filler = 0;
    for (std::size_t n = 0; n < keys; ++n) {
        const std::size_t target = page.size() + gap;
        while (page.size() < target)
            page += tv::gbk(kFiller[filler++ % std::size(kFiller)]);
        const std::size_t index = (n * 37) % keys; // 37 and 81 share no factor: every key once
        const std::string_view key = tv::directory::kKeys[index].key;
        page += tv::gbk_from_utf8("<p>" + std::string(key) + "=" + value_of(key, index) + "</p>\n");
    }
    while (page.size() < kPageSize - 64)
        page += tv::gbk(kFiller[filler++ % std::size(kFiller)]);
    return page + tv::gbk_from_utf8("////结束\n</body></html>\n");
}

struct Fixture {
    std::string page = make_page();
    std::string_view section = tv::directory::marked_section(page);
    std::vector<std::string> keys;  // GBK start-up keys, in lookup order
    std::vector<std::string> leads; // "<p>KEY=" of each
    Fixture() {
        for (const auto &k : tv::directory::keys_of(tv::directory::Read::StartUp)) {
            keys.push_back(tv::gbk(k.key));
            leads.push_back("<p>" + keys.back() + "=");
        }
    }
};

const Fixture &fixture() {
    static const Fixture f;
    return f;
}

void BM_StartUpLookups(benchmark::State &state) {
    const Fixture &f = fixture();
    for (auto _ : state)
        benchmark::DoNotOptimize(tv::directory::lookup_all(f.section, f.keys));
}

std::string_view memmem_lookup(std::string_view section, std::string_view lead) {
    const auto *at = static_cast<const char *>(memmem(section.data(), section.size(), lead.data(), lead.size()));
    if (at == nullptr)
        return {};
    const char *value = at + lead.size();
    const std::size_t left = section.data() + section.size() - value;
    const auto *close = static_cast<const char *>(memmem(value, left, "</p>", 4));
    return close == nullptr ? std::string_view() : std::string_view(value, close - value);
}

void BM_StartUpMemmem(benchmark::State &state) {
    const Fixture &f = fixture();
    for (auto _ : state)
        for (const std::string &lead : f.leads)
            benchmark::DoNotOptimize(memmem_lookup(f.section, lead));
}

BENCHMARK(BM_StartUpLookups)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StartUpMemmem)->Unit(benchmark::kMicrosecond);

// The console output, then the ratio of the two median CPU times per iteration over all repetitions.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular) {}
    void ReportRuns(const std::vector<Run> &runs) override {
        for (const Run &run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                seconds_[run.run_name.function_name].push_back(run.GetAdjustedCPUTime());
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        const double a = median("BM_StartUpLookups");
        const double b = median("BM_StartUpMemmem");
        if (a > 0 && b > 0)
            std::printf("ratio lookup/memmem: %.3fx (aim: 1.0x or less)\n", a / b);
    }

private:
    double median(const std::string &name) {
        auto &times = seconds_[name];
        if (times.empty())
            return 0;
        std::sort(times.begin(), times.end());
        return times[times.size() / 2];
    }
    std::map<std::string, std::vector<double>> seconds_;
};

} // namespace

int main(int argc, char **argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    // Both sides must find the same values, or the comparison means nothing.
    const Fixture &f = fixture();
    const auto all = tv::directory::lookup_all(f.section, f.keys);
    for (std::size_t i = 0; i < f.keys.size(); ++i)
        if (all[i] != memmem_lookup(f.section, f.leads[i]) ||
            memmem_lookup(f.section, f.leads[i]).empty()) {
            std::fprintf(stderr, "directory_bench: lookups disagree on key %zu\n", i);
            return 1;
        }
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
