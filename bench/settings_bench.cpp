// setting.ini is read at the moment of use and written one key at a time, each write under
// the folder lock and through an atomic, flushed replacement. Start-up and "确定" write a
// dozen keys in a row, so the per-write cost is what the user waits for.
#include <benchmark/benchmark.h>

#include <fstream>

#include "bench_support.h"
#include "cipher/text_cipher.h"
#include "core/settings_store.h"
#include "platform/linux/linux_file_system.h"

namespace kalamo::bench {
namespace {

// A setting.ini as a long-used copy leaves it: every section, 58 keys.
constexpr char kSettingIni[] =
    "[软件设置]\n高度=838\n宽度=1119\n状态栏=显示\n透明化=假\n自动保存=真\n积分系统00=真\n"
    "K服务=假\n检查更新=假\n显示统计=真\n按钮类型=2\n小提示类型=1\n顶图类型=3\n键盘音=1\n"
    "编辑框背景=/home/writer/图片/纸张.png\n最后一次登录=2024611\n最后一登录=2024611\n"
    "kmt使用=2024610\nkmt用=2024610\n录音=2024528\n录=2024528\n1000字=2024611\n"
    "8000字=2024611\n20000字=2024609\n100000字=2024521\n1000=2024611\n8000=2024611\n"
    "20000=2024609\n100000=2024521\n60min=2024611\ntime=2024603\n新手1=真\n新手2=真\n"
    "新手3=真\n新手4=真\n新手5=真\n新手6=真\n新2=真\n新3=真\n新4=真\n新5=真\n新6=真\n"
    "[文本设置]\nfirst=真\n背景颜色=15794175\n文本颜色=0\n大字体模式=假\n"
    "[日记]\n最后一次日记=2024611\n最后一日记=2024611\n"
    "[快捷设置]\n0=此致敬礼\n1=第一章\n2=未完待续\n3=（本章完）\n4=作者有话说：\n"
    "5=——\n6=“”\n7=《》\n8=……\n9=感谢各位读者的支持！\n";

class SettingsFixture {
  public:
    SettingsFixture() : paths_(folder_.path()), store_(paths_, machine_, files_) {
        std::ofstream(folder_.file("setting.ini"), std::ios::binary) << kSettingIni;
        store_.writePointsText(TextCipher::encipher("1280", FixedPassPhrase));
    }
    bool ok() const { return folder_.ok(); }
    SettingsStore& store() { return store_; }

  private:
    TempFolder folder_;
    FolderPaths paths_;
    MemoryMachine machine_;
    LinuxFileSystem files_;
    SettingsStore store_;
};

void BM_ReadSettingFirstKey(benchmark::State& state) {
    SettingsFixture f;
    if (!f.ok()) return state.SkipWithError("no temp folder");
    for (auto _ : state) benchmark::DoNotOptimize(f.store().readSetting("软件设置", "高度"));
}
BENCHMARK(BM_ReadSettingFirstKey)->Unit(benchmark::kMicrosecond);

void BM_ReadSettingLastKey(benchmark::State& state) {
    SettingsFixture f;
    if (!f.ok()) return state.SkipWithError("no temp folder");
    if (f.store().readSetting("快捷设置", "9").empty())
        return state.SkipWithError("the last key was not found");
    for (auto _ : state) benchmark::DoNotOptimize(f.store().readSetting("快捷设置", "9"));
}
BENCHMARK(BM_ReadSettingLastKey)->Unit(benchmark::kMicrosecond);

// Wall time: the flush to disk waits without using the processor.
void BM_WriteSetting(benchmark::State& state) {
    SettingsFixture f;
    if (!f.ok()) return state.SkipWithError("no temp folder");
    int height = 838;
    for (auto _ : state)
        f.store().writeSetting("软件设置", "高度", std::to_string(height++ % 2000));
    if (f.store().readSettingInt("软件设置", "高度") != (height - 1) % 2000)
        state.SkipWithError("the write did not land");
}
BENCHMARK(BM_WriteSetting)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The dozen option writes of one "确定".
void BM_WriteSettingBurstOfTwelve(benchmark::State& state) {
    SettingsFixture f;
    if (!f.ok()) return state.SkipWithError("no temp folder");
    const char* const keys[] = {"自动保存", "显示统计", "积分系统00", "K服务",
                                "检查更新", "状态栏",   "按钮类型",   "小提示类型",
                                "顶图类型", "键盘音",   "透明化",     "宽度"};
    int round = 0;
    for (auto _ : state) {
        for (const char* key : keys) f.store().writeSetting("软件设置", key, std::to_string(round));
        ++round;
    }
}
BENCHMARK(BM_WriteSettingBurstOfTwelve)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ReadPointsText(benchmark::State& state) {
    SettingsFixture f;
    if (!f.ok()) return state.SkipWithError("no temp folder");
    if (TextCipher::decipher(f.store().readPointsText(), FixedPassPhrase) != "1280")
        return state.SkipWithError("the points did not come back");
    for (auto _ : state) benchmark::DoNotOptimize(f.store().readPointsText());
}
BENCHMARK(BM_ReadPointsText)->Unit(benchmark::kMicrosecond);

void BM_WritePointsText(benchmark::State& state) {
    SettingsFixture f;
    if (!f.ok()) return state.SkipWithError("no temp folder");
    int points = 1280;
    for (auto _ : state)
        f.store().writePointsText(TextCipher::encipher(std::to_string(points++), FixedPassPhrase));
}
BENCHMARK(BM_WritePointsText)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
}  // namespace kalamo::bench
