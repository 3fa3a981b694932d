// The copy of the manuscript rewritten after every keystroke while 自动保存 is ticked: the
// whole text through a temporary file and a rename, without and with a flush to disk.
#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "core/backup_files.h"
#include "platform/linux/linux_file_system.h"

namespace kalamo::bench {
namespace {

constexpr char kParagraph[] =
    "第十二章　渡口\r\n船到对岸的时候，天已经黑透了。老人把缆绳绕在木桩上，回头看了看他，"
    "说：“明天一早还有一班，你若是不急，就在我家歇一晚。”他没有答话，只把背包往肩上提了提。\r\n";

// Wall time: a flush waits for the disk without using the processor. Each keystroke
// changes the text, as typing does, so no write can be skipped as unchanged.
void BackupPerKeystroke(benchmark::State& state, Durability durability) {
    TempFolder folder;
    if (!folder.ok()) return state.SkipWithError("no temp folder");
    LinuxFileSystem files;
    if (!files.makeDirectories(BackupFolder(folder.path())))
        return state.SkipWithError("no backup folder");
    std::string text = RepeatTo(kParagraph, static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        text += "字";
        // The path and the text's copy are taken on every keystroke, as the backup does.
        const std::string path = BackupFilePath(folder.path(), "第一章");
        const std::string copy = text;
        if (!files.writeAtomic(path, copy, nullptr, durability))
            return state.SkipWithError("cannot write");
    }
    state.SetLabel(std::to_string(state.range(0) / 1024) + " KB text");
}

void BM_BackupPerKeystroke(benchmark::State& state) {
    BackupPerKeystroke(state, Durability::NoFlush);
}

void BM_BackupPerKeystrokeFlushed(benchmark::State& state) {
    BackupPerKeystroke(state, Durability::Flushed);
}

void TextSizes(benchmark::internal::Benchmark* b) {
    for (std::int64_t kb : {20, 200, 2048}) b->Arg(kb * 1024);
    b->Unit(benchmark::kMicrosecond)->UseRealTime();
}

BENCHMARK(BM_BackupPerKeystroke)->Apply(TextSizes);
BENCHMARK(BM_BackupPerKeystrokeFlushed)->Apply(TextSizes);

}  // namespace
}  // namespace kalamo::bench
