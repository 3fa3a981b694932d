#include "platform/ini_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <random>

#include "platform/linux/linux_file_system.h"
#include "support/test_kalamo.h"

namespace kalamo::test {
namespace {

TEST(IniFile, ReadsAndWritesFiles) {
    TempDir dir;
    LinuxFileSystem files;
    std::string path = dir.file("setting.ini");
    IniFile ini(files, path);
    EXPECT_EQ(ini.read("s", "k"), "");
    EXPECT_TRUE(ini.write("s", "k", "1"));
    EXPECT_TRUE(ini.write("s", "j", "2"));
    EXPECT_TRUE(ini.write("s", "k", "3"));
    EXPECT_EQ(Slurp(path), "[s]\nk=3\nj=2\n");
    // Leading blanks of the path go like those of the names.
    EXPECT_EQ(IniFile(files, " \t" + path).read("s", "j"), "2");
    EXPECT_EQ(IniFile(files, "   ").read("s", "j"), "");
}

TEST(IniFile, RefusesWhatItCannotWriteWhole) {
    TempDir dir;
    LinuxFileSystem files;
    mkdir(dir.file("folder.ini").c_str(), 0755);
    EXPECT_EQ(IniFile(files, dir.file("folder.ini")).read("s", "k"), "");
    EXPECT_FALSE(IniFile(files, dir.file("folder.ini")).write("s", "k", "v"));
    EXPECT_FALSE(IniFile(files, dir.file("missing/setting.ini")).write("s", "k", "v"));

    // A file the writer cannot read is kept, not started afresh. Root reads anything, so
    // the case only exists for other users.
    if (geteuid() != 0) {
        std::string secret = dir.file("secret.ini");
        Spit(secret, "[s]\nk=1\n");
        chmod(secret.c_str(), 0200);
        EXPECT_FALSE(IniFile(files, secret).write("s", "j", "2"));
        chmod(secret.c_str(), 0600);
        EXPECT_EQ(Slurp(secret), "[s]\nk=1\n");
    }
}

TEST(IniFile, BadFilesReadAsEmpty) {
    TempDir dir;
    LinuxFileSystem files;
    std::string path = dir.file("setting.ini");
    std::mt19937 random(11);
    std::string noise;
    for (int i = 0; i < 16 * 1024; ++i) noise.push_back(static_cast<char>(random()));
    Spit(path, noise);
    EXPECT_EQ(IniFile(files, path).read("软件设置", "高度"), "");
    EXPECT_TRUE(IniFile(files, path).write("软件设置", "高度", "600"));
    EXPECT_EQ(IniFile(files, path).read("软件设置", "高度"), "600");
    EXPECT_EQ(Slurp(path).substr(0, noise.size()), noise);
}

}  // namespace
}  // namespace kalamo::test
