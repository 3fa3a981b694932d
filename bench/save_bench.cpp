// Opening or saving a 10 MB text, the parts below the window: the file, the atomic flushed
// replacement, and the conversion a UTF-8 document needs each way.
#include <benchmark/benchmark.h>

#include "base/gbk.h"
#include "bench_support.h"
#include "platform/linux/linux_file_system.h"

namespace kalamo::bench {
namespace {

constexpr std::size_t kTenMegabytes = 10 << 20;

constexpr char kParagraph[] =
    "第十二章　渡口\r\n船到对岸的时候，天已经黑透了。老人把缆绳绕在木桩上，回头看了看他，"
    "说：“明天一早还有一班，你若是不急，就在我家歇一晚。”他没有答话，只把背包往肩上提了提。\r\n";

std::string TenMegabytesGbk() {
    return RepeatTo(kParagraph, kTenMegabytes);
}

void SetBytes(benchmark::State& state, std::size_t bytes) {
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes));
}

// Wall time: the flush to disk waits without using the processor.
void BM_WriteAtomic10MB(benchmark::State& state) {
    TempFolder folder;
    if (!folder.ok()) return state.SkipWithError("no temp folder");
    const std::string text = TenMegabytesGbk();
    const std::string path = folder.file("manuscript.txt");
    LinuxFileSystem files;
    for (auto _ : state) {
        if (!files.writeAtomic(path, text)) return state.SkipWithError("cannot write");
    }
    SetBytes(state, text.size());
}
BENCHMARK(BM_WriteAtomic10MB)->Unit(benchmark::kMillisecond)->UseRealTime();

// From the page cache: a file just saved or opened before.
void BM_ReadAll10MB(benchmark::State& state) {
    TempFolder folder;
    if (!folder.ok()) return state.SkipWithError("no temp folder");
    const std::string text = TenMegabytesGbk();
    const std::string path = folder.file("manuscript.txt");
    LinuxFileSystem files;
    if (!files.writeAtomic(path, text)) return state.SkipWithError("could not write the file");
    for (auto _ : state) {
        std::optional<std::string> bytes = files.readAll(path);
        if (!bytes || bytes->size() != text.size()) return state.SkipWithError("short read");
        benchmark::DoNotOptimize(bytes->data());
    }
    SetBytes(state, text.size());
}
BENCHMARK(BM_ReadAll10MB)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_GbkToUtf8_10MB(benchmark::State& state) {
    const std::string text = TenMegabytesGbk();
    for (auto _ : state) benchmark::DoNotOptimize(GbkToUtf8(text).data());
    SetBytes(state, text.size());
}
BENCHMARK(BM_GbkToUtf8_10MB)->Unit(benchmark::kMillisecond);

void BM_Utf8ToGbk_10MB(benchmark::State& state) {
    const std::string utf8 = GbkToUtf8(TenMegabytesGbk());
    for (auto _ : state) benchmark::DoNotOptimize(Utf8ToGbk(utf8).data());
    SetBytes(state, utf8.size());
}
BENCHMARK(BM_Utf8ToGbk_10MB)->Unit(benchmark::kMillisecond);

// Saving a document that was opened as UTF-8: convert back, then replace the file.
void BM_SaveUtf8Document10MB(benchmark::State& state) {
    TempFolder folder;
    if (!folder.ok()) return state.SkipWithError("no temp folder");
    const std::string text = TenMegabytesGbk();
    const std::string path = folder.file("manuscript.txt");
    LinuxFileSystem files;
    for (auto _ : state) {
        if (!files.writeAtomic(path, GbkToUtf8(text))) return state.SkipWithError("write failed");
    }
    SetBytes(state, text.size());
}
BENCHMARK(BM_SaveUtf8Document10MB)->Unit(benchmark::kMillisecond)->UseRealTime();

// Opening a UTF-8 document: read, check that it is UTF-8, convert to the logic's GBK.
void BM_OpenUtf8Document10MB(benchmark::State& state) {
    TempFolder folder;
    if (!folder.ok()) return state.SkipWithError("no temp folder");
    const std::string path = folder.file("manuscript.txt");
    LinuxFileSystem files;
    const std::string gbk = TenMegabytesGbk();
    if (!files.writeAtomic(path, GbkToUtf8(gbk))) return state.SkipWithError("write failed");
    for (auto _ : state) {
        std::optional<std::string> bytes = files.readAll(path);
        if (!bytes || !IsValidUtf8(*bytes)) return state.SkipWithError("not read as UTF-8");
        std::string text = Utf8ToGbk(*bytes);
        if (text.size() != gbk.size()) return state.SkipWithError("conversion lost text");
        benchmark::DoNotOptimize(text.data());
    }
    SetBytes(state, gbk.size());
}
BENCHMARK(BM_OpenUtf8Document10MB)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace kalamo::bench
