#include "platform/linux/linux_file_system.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "support/test_kalamo.h"

namespace kalamo::test {
namespace {

TEST(LinuxFileSystem, WriteAtomicRefusesAndLeavesNothingBehind) {
    TempDir dir;
    LinuxFileSystem files;
    FileError error = FileError::None;
    std::string file = dir.file("doc.txt");

    ASSERT_TRUE(files.writeAtomic(file, "one", &error));
    chmod(file.c_str(), 0640);
    ASSERT_TRUE(files.writeAtomic(file, "two", &error));
    EXPECT_EQ(*files.readAll(file), "two");
    EXPECT_EQ(ModeOf(file), 0640u);

    chmod(file.c_str(), 0444);
    EXPECT_FALSE(files.writeAtomic(file, "three", &error));
    EXPECT_EQ(error, FileError::ReadOnlyFile);
    EXPECT_EQ(*files.readAll(file), "two");

    mkdir(dir.file("folder").c_str(), 0755);
    EXPECT_FALSE(files.writeAtomic(dir.file("folder"), "x", &error));
    EXPECT_EQ(error, FileError::IsFolder);
    EXPECT_FALSE(files.writeAtomic(dir.file("none/doc.txt"), "x", &error));
    EXPECT_EQ(error, FileError::MissingFolder);
    EXPECT_FALSE(files.readAll(dir.file("folder")).has_value());
    EXPECT_FALSE(files.readAll(dir.file("none.txt")).has_value());

    EXPECT_EQ(FilesIn(dir.path()), (std::vector<std::string>{"doc.txt", "folder"}));
}

TEST(LinuxFileSystem, WriteThroughALinkKeepsTheLink) {
    TempDir dir;
    LinuxFileSystem files;
    std::string target = dir.file("real.ini");
    std::string link = dir.file("link.ini");
    ASSERT_TRUE(files.writeAtomic(target, "old"));
    ASSERT_EQ(symlink(target.c_str(), link.c_str()), 0);
    ASSERT_TRUE(files.writeAtomic(link, "new"));
    struct stat st {};
    ASSERT_EQ(lstat(link.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(*files.readAll(target), "new");
}

}  // namespace
}  // namespace kalamo::test
