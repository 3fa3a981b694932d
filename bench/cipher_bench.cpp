// The cipher runs over whole documents when a .kmt file is opened or saved, and over the
// points value on every reward.
#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "cipher/text_cipher.h"

namespace kalamo::bench {
namespace {

constexpr char kParagraph[] =
    "夜里下过一场小雨，清早的街道还是湿的。她把稿纸摊在桌上，一行一行地读下去，"
    "读到第三页时停了笔，想了很久，才把那个字改过来。\r\n";

void BM_Encipher(benchmark::State& state) {
    const std::string text = RepeatTo(kParagraph, static_cast<std::size_t>(state.range(0)));
    const std::string pass = std::string(FixedPassPhrase) + "secret";
    for (auto _ : state) {
        std::string bytes = TextCipher::encipher(text, pass);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_Encipher)->Arg(1 << 10)->Arg(200 << 10)->Arg(10 << 20)->Unit(benchmark::kMicrosecond);

// The points value: a few digits, enciphered and deciphered on every reward and start-up.
void BM_EncipherPoints(benchmark::State& state) {
    for (auto _ : state) {
        std::string bytes = TextCipher::encipher("12345", FixedPassPhrase);
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(BM_EncipherPoints);

}  // namespace
}  // namespace kalamo::bench
