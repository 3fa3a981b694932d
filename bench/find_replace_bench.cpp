// Searching and replacing in the editor's text: one find-next (down from the start to a match
// near the end, and up from the end to a match near the start), and a replace-all, over a
// Chinese manuscript of 1, 2 and 10 MB. The costs must grow linearly with the text.
#include <benchmark/benchmark.h>

#include <string>

#include "bench_support.h"
#include "editor/gbk_search.h"

namespace kalamo::bench {
namespace {

// Paragraphs of Chinese with a few ASCII letters, CR LF breaks, and no "目标".
std::string Manuscript(std::size_t bytes) {
    const std::string paragraph =
        RepeatTo("他走进院子，抬头看见满天的星星。Kalamo写作，", 200) + "\r\n";
    return RepeatTo(paragraph, bytes);
}

std::string WithTargets(std::size_t bytes) {
    std::string text = Manuscript(bytes);
    text.replace(text.size() - 6, 4, "目标");
    text.replace(0, 4, "目标");
    return text;
}

void BM_FindNextDown(benchmark::State& state, bool matchCase) {
    const std::string text = WithTargets(static_cast<std::size_t>(state.range(0)));
    const GbkSearch search("目标", matchCase);
    for (auto _ : state) benchmark::DoNotOptimize(search.findForward(text, 4));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK_CAPTURE(BM_FindNextDown, MatchCase, true)
    ->Arg(1 << 20)
    ->Arg(2 << 20)
    ->Arg(10 << 20)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FindNextDown, AnyCase, false)
    ->Arg(1 << 20)
    ->Arg(10 << 20)
    ->Unit(benchmark::kMillisecond);

void BM_FindNextUp(benchmark::State& state) {
    const std::string text = WithTargets(static_cast<std::size_t>(state.range(0)));
    const GbkSearch search("KALAMO", false);
    for (auto _ : state) benchmark::DoNotOptimize(search.findBackward(text, text.size() - 4));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_FindNextUp)->Arg(1 << 20)->Arg(10 << 20)->Unit(benchmark::kMillisecond);

// Every "星星" of the manuscript (about one in 60 bytes) replaced by a longer text.
void BM_ReplaceAllChinese(benchmark::State& state) {
    const std::string text = Manuscript(static_cast<std::size_t>(state.range(0)));
    const GbkSearch search("星星", true);
    for (auto _ : state) benchmark::DoNotOptimize(search.replaceAll(text, "月亮和星星"));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ReplaceAllChinese)
    ->Arg(1 << 20)
    ->Arg(2 << 20)
    ->Arg(10 << 20)
    ->Unit(benchmark::kMillisecond);

// "a" by "aa" in a text of nothing but "a": every byte a match, the text doubles once.
void BM_ReplaceAllDoubling(benchmark::State& state) {
    const std::string text(static_cast<std::size_t>(state.range(0)), 'a');
    const GbkSearch search("a", false);
    for (auto _ : state) benchmark::DoNotOptimize(search.replaceAll(text, "aa"));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ReplaceAllDoubling)->Arg(1 << 20)->Arg(10 << 20)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kalamo::bench
