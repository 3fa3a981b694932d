#include "core/settings_store.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>

#include "base/gbk.h"
#include "base/ini_text.h"
#include "platform/ini_file.h"
#include "platform/linux/linux_file_system.h"
#include "support/memory_file_system.h"
#include "support/test_kalamo.h"

namespace kalamo {
namespace {

using test::FakePaths;
using test::FilesIn;
using test::MemoryFileSystem;
using test::MemoryMachineStore;
using test::ModeOf;
using test::Slurp;
using test::Spit;
using test::TempDir;

class SettingsStoreTest : public ::testing::Test {
  protected:
    SettingsStoreTest() {
        paths.run = run.path();
        paths.work = work.path();
        paths.exe = run.file("kalamo");
    }
    TempDir run, work;
    FakePaths paths;
    MemoryMachineStore machine;
    LinuxFileSystem files;
    SettingsStore store{paths, machine, files};
};

TEST_F(SettingsStoreTest, PointsLiveInTheWorkingDirectory) {
    store.writeSetting("软件设置", "高度", "600");
    store.writePointsText("1234");
    EXPECT_EQ(store.runIniPath(), run.file("setting.ini"));
    EXPECT_EQ(store.workingIniPath(), work.file("setting.ini"));
    EXPECT_EQ(Slurp(run.file("setting.ini")), "[软件设置]\n高度=600\n");
    // A plain value is written as it is.
    EXPECT_EQ(Slurp(work.file("setting.ini")), "[运行情况]\n运行=1234\n");
    EXPECT_EQ(store.readPointsText(), "1234");
    EXPECT_EQ(store.readSetting("运行情况", "运行"), "");
}

TEST_F(SettingsStoreTest, ReadsValuesAsTheirReadersExpect) {
    store.writeSetting("软件设置", "高度", "600.5");
    store.writeSetting("软件设置", "宽度", "abc");
    store.writeSetting("快捷设置", "0", "你好");
    EXPECT_EQ(store.readSettingInt("软件设置", "高度"), 600);
    EXPECT_EQ(store.readSettingInt("软件设置", "宽度"), 0);
    EXPECT_EQ(store.readSettingInt("软件设置", "missing"), 0);
    EXPECT_EQ(store.readSetting("快捷设置", " 0"), "你好");
    EXPECT_EQ(store.readSetting("文本设置", "first"), "");
}

TEST_F(SettingsStoreTest, ReadOnlyFileLosesWritesEvenForRoot) {
    std::string ini = run.file("setting.ini");
    store.setIniAttributes(true);  // no file yet: nothing to mark, nothing created
    EXPECT_FALSE(std::filesystem::exists(ini));

    store.writeSetting("s", "k", "before");
    chmod(ini.c_str(), 0664);
    store.setIniAttributes(true);
    EXPECT_EQ(ModeOf(ini), 0444u);
    store.writeSetting("s", "k", "lost");
    store.writeSetting("s", "new", "lost");
    EXPECT_EQ(store.readSetting("s", "k"), "before");
    EXPECT_EQ(store.readSetting("s", "new"), "");

    store.setIniAttributes(false);
    EXPECT_EQ(ModeOf(ini), 0644u);
    store.writeSetting("s", "k", "after");
    EXPECT_EQ(store.readSetting("s", "k"), "after");
    EXPECT_EQ(ModeOf(ini), 0644u);  // the replace keeps the mode
    EXPECT_EQ(FilesIn(run.path()), std::vector<std::string>{"setting.ini"});
}

// Two running copies writing at once lose none of each other's keys.
TEST_F(SettingsStoreTest, ConcurrentCopiesLoseNothing) {
    constexpr int kWrites = 200;
    pid_t children[2];
    for (int copy = 0; copy < 2; ++copy) {
        children[copy] = fork();
        ASSERT_GE(children[copy], 0);
        if (children[copy] == 0) {
            SettingsStore mine{paths, machine, files};
            for (int i = 0; i < kWrites; ++i) {
                std::string n = std::to_string(i);
                mine.writeSetting("软件设置", (copy ? "甲" : "乙") + n, n);
            }
            _exit(0);
        }
    }
    for (pid_t child : children) {
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    std::string file = Slurp(run.file("setting.ini"));
    int missing = 0;
    for (int i = 0; i < kWrites; ++i) {
        std::string n = std::to_string(i);
        for (const char* prefix : {"甲", "乙"}) {
            if (IniText::Lookup(file, "软件设置", prefix + n) != n) ++missing;
        }
    }
    EXPECT_EQ(missing, 0);
    EXPECT_EQ(FilesIn(run.path()), std::vector<std::string>{"setting.ini"});
}

TEST_F(SettingsStoreTest, PointsComeBackWholeWhateverTheirBytes) {
    std::vector<std::string> values = {"",
                                       "0",
                                       " 12",
                                       "12 ",
                                       "\"12\"",
                                       "'1'",
                                       "~hex:31",
                                       std::string("1\0"
                                                   "2",
                                                   3),
                                       "1\r\n[x]\ny=2"};
    for (int b = 0; b < 256; ++b)
        values.push_back(std::string("7").append(1, static_cast<char>(b)));
    std::mt19937 random(5);
    for (int i = 0; i < 100; ++i) {
        std::string blob(1 + random() % 24, '\0');
        for (char& c : blob) c = static_cast<char>(random());
        values.push_back(blob);
    }
    store.writeSetting("运行情况", "其他", "kept");
    for (const std::string& v : values) {
        store.writePointsText(v);
        ASSERT_EQ(store.readPointsText(), v) << GbkToUtf8(IniText::EscapeValue(v));
    }
    EXPECT_EQ(IniFile(files, work.file("setting.ini")).read("运行情况", "其他"), "");
    EXPECT_EQ(store.readSetting("运行情况", "其他"), "kept");
}

// The store's file rules on a file system in memory: every write is a locked
// read-modify-write, a read-only or unreadable file is never replaced.
TEST(SettingsStoreFiles, WritesAreLockedAndRefuseWhatTheyMustKeep) {
    FakePaths paths;
    paths.run = paths.work = "/k";
    paths.exe = "/k/kalamo";
    MemoryMachineStore machine;
    MemoryFileSystem files;
    files.makeDirectories("/k");
    SettingsStore store{paths, machine, files};

    store.writeSetting("软件设置", "高度", "600");
    store.writePointsText("12");
    EXPECT_EQ(files.files["/k/setting.ini"].bytes, "[软件设置]\n高度=600\n[运行情况]\n运行=12\n");
    EXPECT_TRUE(files.writesOutsideLock.empty());

    store.setIniAttributes(true);
    store.writeSetting("软件设置", "高度", "700");
    EXPECT_EQ(store.readSetting("软件设置", "高度"), "600");
    store.setIniAttributes(false);
    store.writeSetting("软件设置", "高度", "700");
    EXPECT_EQ(store.readSetting("软件设置", "高度"), "700");

    files.files["/k/setting.ini"].unreadable = true;
    const int before = files.writes;
    store.writeSetting("软件设置", "宽度", "1");
    EXPECT_EQ(files.writes, before) << "an unreadable file is kept, not started afresh";

    paths.run = "/gone";
    store.writeSetting("软件设置", "宽度", "1");
    EXPECT_EQ(files.writes, before) << "no folder, nothing to lock, nothing written";
}

}  // namespace
}  // namespace kalamo
