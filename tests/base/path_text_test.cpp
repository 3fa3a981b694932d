#include "base/path_text.h"

#include <gtest/gtest.h>

#include "base/gbk.h"

namespace kalamo {
namespace {

TEST(PathText, ExtensionsAndTitlesAsTheOpenRulesDefineThem) {
    const struct {
        const char* path;
        const char* extension;
        const char* title;
    } cases[] = {
        {"/稿/第一章.初稿.txt", "txt", "第一章"},
        {"/稿/notes.TXT", "TXT", "notes"},
        {"/稿/.txt", "txt", ""},
        {"/稿/README", "/稿/README", "README"},
        {"/稿.d/README", "d/README", "README"},
        {"a.tar.gz", "gz", "a"},
        {"x.", "", "x"},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(GbkToUtf8(c.path));
        EXPECT_EQ(ExtensionOf(c.path), c.extension);
        EXPECT_EQ(TitleFromPath(c.path), c.title);
    }
}

TEST(PathText, SafeFileNamesStayOneNameWithinTheLimit) {
    EXPECT_EQ(SafeFileName("../../x"), ".._.._x");
    EXPECT_EQ(SafeFileName(std::string("a\0b", 3)), "a_b");
    EXPECT_EQ(SafeFileName(".."), "_");
    EXPECT_EQ(SafeFileName(""), "_");
    // Cut at a character boundary: "中" is three bytes of UTF-8.
    EXPECT_EQ(SafeFileName("\xE4\xB8\xAD\xE4\xB8\xAD", 5), "\xE4\xB8\xAD");
    EXPECT_EQ(GbkFromNativeName("\xE4\xB8\xAD"), "中");
    EXPECT_EQ(GbkFromNativeName("中"), "中") << "a GBK name is taken as it is";
}

}  // namespace
}  // namespace kalamo
