#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "base/ini_text.h"
#include "platform/linux/machine_ini_store.h"
#include "support/test_kalamo.h"

namespace kalamo {
namespace {

using test::Slurp;
using test::Spit;
using test::TempDir;

TEST(MachineIniStore, KeepsBothValuesAndMakesItsFolder) {
    TempDir dir;
    std::string path = dir.file("config/kalamo/machine.ini");
    MachineIniStore store(path);
    EXPECT_EQ(store.readText("dizhi"), "");
    EXPECT_EQ(store.readNumber("fen"), 0u);

    store.writeText("dizhi", "/opt/写作 助手");
    store.writeNumber("fen", 4294967295u);
    EXPECT_EQ(Slurp(path), "[kalamo]\ndizhi=/opt/写作 助手\nfen=4294967295\n");
    EXPECT_EQ(MachineIniStore(path).readText("dizhi"), "/opt/写作 助手");
    EXPECT_EQ(MachineIniStore(path).readNumber("fen"), 4294967295u);

    // A folder name may hold what a line cannot.
    const std::string odd = " /tmp/a\nb ";
    store.writeText("dizhi", odd);
    EXPECT_EQ(store.readText("dizhi"), odd);
}

TEST(MachineIniStore, OnlyDecimalNumbersCount) {
    TempDir dir;
    std::string path = dir.file("machine.ini");
    const std::pair<const char*, std::uint32_t> cases[] = {
        {"17", 17}, {" 17 ", 17}, {"abc", 0}, {"-1", 0}, {"12x", 0}, {"4294967296", 0}, {"", 0},
    };
    for (const auto& [text, number] : cases) {
        Spit(path, std::string("[kalamo]\nfen=") + text + "\n");
        EXPECT_EQ(MachineIniStore(path).readNumber("fen"), number) << text;
    }
}

TEST(MachineIniStore, BadFilesReadAsNothing) {
    TempDir dir;
    std::string folder = dir.file("machine.ini");
    mkdir(folder.c_str(), 0755);
    MachineIniStore onFolder(folder);
    onFolder.writeText("dizhi", "/x");
    onFolder.writeNumber("fen", 5);
    EXPECT_EQ(onFolder.readText("dizhi"), "");
    EXPECT_EQ(onFolder.readNumber("fen"), 0u);
    EXPECT_TRUE(std::filesystem::is_directory(folder));

    std::string garbage = dir.file("garbage.ini");
    std::mt19937 random(9);
    std::string noise(32 * 1024, '\0');
    for (char& c : noise) c = static_cast<char>(random());
    Spit(garbage, noise);
    EXPECT_EQ(MachineIniStore(garbage).readText("dizhi"), "");
    EXPECT_EQ(MachineIniStore(garbage).readNumber("fen"), 0u);
}

TEST(MachineIniStore, DefaultPathFollowsXdg) {
    struct Case {
        const char* xdg;
        const char* home;
        const char* path;
    } cases[] = {
        {"/cfg", "/home/u", "/cfg/kalamo/machine.ini"},
        {"/cfg/", "/home/u", "/cfg/kalamo/machine.ini"},
        {"", "/home/u", "/home/u/.config/kalamo/machine.ini"},
        {"relative", "/home/u", "/home/u/.config/kalamo/machine.ini"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MachineIniStore::DefaultPathFor(c.xdg, c.home), c.path) << c.xdg;
}

}  // namespace
}  // namespace kalamo
