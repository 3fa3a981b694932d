// Ctrl+M evaluates the selection or, with nothing selected, the whole document: a typical
// expression, a document-sized one, deep nesting, and a long text that is no expression.
#include <benchmark/benchmark.h>

#include <string>

#include "base/expression_evaluator.h"
#include "base/js_number_text.h"
#include "bench_support.h"

namespace kalamo::bench {
namespace {

void Evaluate(benchmark::State& state, const std::string& text) {
    for (auto _ : state) {
        const std::optional<double> value = EvaluateArithmetic(text);
        std::string result = value ? JsNumberText(*value) : std::string();
        benchmark::DoNotOptimize(result.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

void BM_EvaluateTypical(benchmark::State& state) {
    Evaluate(state, "(1234+5678)*90/100");
}
BENCHMARK(BM_EvaluateTypical);

// 1 MB of "12.5×3+(7－2)÷4-" terms, GBK signs among them, ending in a number.
void BM_EvaluateOneMegabyte(benchmark::State& state) {
    Evaluate(state, RepeatTo("12.5×3+(7－2)÷4-", (1 << 20) - 1) + "1");
}
BENCHMARK(BM_EvaluateOneMegabyte)->Unit(benchmark::kMillisecond);

void BM_EvaluateNested(benchmark::State& state) {
    const auto depth = static_cast<std::size_t>(state.range(0));
    Evaluate(state, std::string(depth, '(') + "1" + std::string(depth, ')'));
}
BENCHMARK(BM_EvaluateNested)->Arg(10'000)->Arg(1 << 19)->Unit(benchmark::kMicrosecond);

// 1 MB of "(" never closed: every byte is read, and it fails at the end.
void BM_EvaluateOpenParentheses(benchmark::State& state) {
    Evaluate(state, std::string(1 << 20, '('));
}
BENCHMARK(BM_EvaluateOpenParentheses)->Unit(benchmark::kMillisecond);

// A 1 MB manuscript evaluated as a whole: it fails at its first character.
void BM_EvaluateManuscript(benchmark::State& state) {
    Evaluate(state, RepeatTo("夜里下过一场小雨，清早的街道还是湿的。\r\n", 1 << 20));
}
BENCHMARK(BM_EvaluateManuscript)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kalamo::bench
