// One change of the editor's text as the statistics see it: the counts of the whole text,
// the status bar and window texts, and the daily word-count keys, over a Chinese manuscript
// of 20 KB, 200 KB and 2 MB. The cost must grow linearly with the text. The windows are the
// test fakes, so the toolkit's own drawing is not in these figures.
#include <benchmark/benchmark.h>

#include <string>

#include "bench_support.h"
#include "stats/statistics_window_controller.h"
#include "stats/word_statistics.h"
#include "support/test_kalamo.h"

namespace kalamo::bench {
namespace {

std::string Manuscript(std::size_t bytes) {
    const std::string paragraph =
        RepeatTo("他走进院子，抬头看见满天的星星。Kalamo写作 2016，", 200) + "\r\n";
    return RepeatTo(paragraph, bytes);
}

void BM_WordStatistics(benchmark::State& state) {
    const std::string text = Manuscript(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        WordStatistics counts(text);
        benchmark::DoNotOptimize(counts);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_WordStatistics)
    ->Arg(20 << 10)
    ->Arg(200 << 10)
    ->Arg(2 << 20)
    ->Unit(benchmark::kMicrosecond);

// The whole path the statistics own, the editor's text() copy included.
void BM_TextChanged(benchmark::State& state) {
    test::TestKalamo t;
    t.editor.setText(Manuscript(static_cast<std::size_t>(state.range(0))));
    StatisticsWindowController statistics(t.k);
    for (auto _ : state) {
        statistics.onTextChanged();
        statistics.stampDailyCounts();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * t.editor.textLength()));
}
BENCHMARK(BM_TextChanged)
    ->Arg(20 << 10)
    ->Arg(200 << 10)
    ->Arg(2 << 20)
    ->Unit(benchmark::kMicrosecond);

// The same with a plain atomic write of the whole text standing in for the backup.
void BM_TextChangedWithBackupStandIn(benchmark::State& state) {
    test::TestKalamo t;
    t.editor.setText(Manuscript(static_cast<std::size_t>(state.range(0))));
    StatisticsWindowController statistics(t.k);
    const std::string backup = t.dir.file("backup-stand-in.txt");
    for (auto _ : state) {
        statistics.onTextChanged();
        t.files.writeAtomic(backup, t.editor.text(), nullptr);
        statistics.stampDailyCounts();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * t.editor.textLength()));
}
BENCHMARK(BM_TextChangedWithBackupStandIn)
    ->Arg(20 << 10)
    ->Arg(200 << 10)
    ->Arg(2 << 20)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kalamo::bench
