#include "documents/word_import.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "base/gbk.h"
#include "platform/linux/linux_process_runner.h"
#include "support/test_kalamo.h"

namespace kalamo {
namespace {

using test::Slurp;
using test::Spit;
using test::TempDir;

std::string Fixture(const std::string& name) {
    return std::string(KALAMO_TEST_DATA) + "/word/" + name;
}

// Copies a fixture into `dir` under another name, so its extension can differ.
std::string CopyAs(const TempDir& dir, const std::string& fixture, const std::string& name) {
    Spit(dir.file(name), Slurp(Fixture(fixture)));
    return dir.file(name);
}

// Answers every run with a given result and keeps the request, instead of starting antiword.
class StandInRunner : public ProcessRunner {
  public:
    ProcessResult answer;
    ProcessRequest asked;
    ProcessResult run(const ProcessRequest& request) override {
        asked = request;
        return answer;
    }
};

TEST(WordImport, ReadsTheTextOfEachKindOfDocument) {
    TempDir dir;
    struct Case {
        std::string path;
        std::string text;
    } cases[] = {
        // Tab stops, bold, deleted text, field codes and the fallback view give nothing.
        {Fixture("paragraphs.docx"), "第一段\t制表\r\n第二段\r\n换行 A&B<中\r\n\r\n7框"},
        {Fixture("table.docx"), "表前\r\n甲\t乙\r\n\t丁\r\n表后"},
        {Fixture("outside_gbk.docx"), "古\U00020000字😀"},
        {Fixture("other_prefix.docx"), "前缀"},
        // A .docx under a .doc name is still read in process.
        {CopyAs(dir, "table.docx", "saved as.doc"), "表前\r\n甲\t乙\r\n\t丁\r\n表后"},
        // Through the real antiword, which also splits 𠀀 and 😀 into surrogates.
        {Fixture("word97.doc"), "第一段\t制表\r\n第二段\r\n换行\r\n古\U00020000字😀"},
    };
    LinuxProcessRunner runner;
    WordImport import(runner);
    for (const Case& c : cases) {
        WordImportResult result = import.importDocument(c.path);
        EXPECT_EQ(result.failure, WordImportFailure::None) << c.path;
        EXPECT_EQ(GbkToUtf8(result.text), GbkToUtf8(c.text)) << c.path;
    }
    // Characters outside GBK are GB18030's four-byte forms, not "?".
    WordImportResult rare = import.importDocument(Fixture("outside_gbk.docx"));
    EXPECT_EQ(rare.text.substr(2, 4), "\x95\x32\x82\x36");
}

TEST(WordImport, NamesWhyADocumentGaveNoText) {
    TempDir dir;
    std::filesystem::create_directory(dir.file("folder.docx"));
    ASSERT_EQ(mkfifo(dir.file("fifo.doc").c_str(), 0600), 0);
    Spit(dir.file("truncated.docx"), Slurp(Fixture("paragraphs.docx")).substr(0, 300));
    Spit(dir.file("empty.docx"), "");
    struct Case {
        std::string path;
        WordImportFailure failure;
    } cases[] = {
        {dir.file("missing.docx"), WordImportFailure::Unreadable},
        {dir.file("folder.docx"), WordImportFailure::Unreadable},
        {dir.file("fifo.doc"), WordImportFailure::Unreadable},  // and no wait for a writer
        {dir.file("empty.docx"), WordImportFailure::NotWordFile},
        {Fixture("photo.docx"), WordImportFailure::NotWordFile},
        {CopyAs(dir, "photo.docx", "photo.doc"), WordImportFailure::NotWordFile},
        {dir.file("truncated.docx"), WordImportFailure::NotWordFile},
        {Fixture("no_document.docx"), WordImportFailure::NotWordFile},
        {Fixture("broken_xml.docx"), WordImportFailure::NotWordFile},
        {Fixture("encrypted.docx"), WordImportFailure::PasswordProtected},
        {Fixture("encrypted.doc"), WordImportFailure::PasswordProtected},
        // 100 MiB of spaces: refused from the declared size, or cut off at 64 MiB when the
        // archive claims 1000 bytes.
        {Fixture("bomb.docx"), WordImportFailure::TooLarge},
        {Fixture("bomb_lying_size.docx"), WordImportFailure::TooLarge},
    };
    LinuxProcessRunner runner;
    WordImport import(runner);
    for (const Case& c : cases) {
        WordImportResult result = import.importDocument(c.path);
        EXPECT_EQ(result.failure, c.failure) << c.path;
        EXPECT_EQ(result.text, "") << c.path;
    }
}

TEST(WordImport, EntitiesAndDoctypesReadNothingOutsideTheDocument) {
    LinuxProcessRunner runner;
    WordImportResult result = WordImport(runner).importDocument(Fixture("xxe.docx"));
    ASSERT_EQ(result.failure, WordImportFailure::None);
    EXPECT_EQ(GbkToUtf8(result.text), GbkToUtf8("外部&x;实体"));
    EXPECT_EQ(result.text.find("root:"), std::string::npos);
}

TEST(WordImport, AntiwordMissingIsSaidSo) {
    LinuxProcessRunner runner;
    WordImportLimits limits;
    limits.antiwordProgram = "kalamo-no-such-antiword";
    WordImportResult result = WordImport(runner, limits).importDocument(Fixture("word97.doc"));
    EXPECT_EQ(result.failure, WordImportFailure::AntiwordMissing);
}

TEST(WordImport, APathBeginningWithADashIsNotTakenForAnOption) {
    // A relative name is the one antiword could mistake, so the copy lies in the working folder.
    std::string name = "-kalamo-" + std::to_string(getpid()) + ".doc";
    Spit(name, Slurp(Fixture("word97.doc")));
    LinuxProcessRunner runner;
    WordImportResult result = WordImport(runner).importDocument(name);
    std::filesystem::remove(name);
    EXPECT_EQ(result.failure, WordImportFailure::None);
    EXPECT_EQ(result.text.substr(0, 6), "第一段");

    StandInRunner standIn;
    standIn.answer.outcome = ProcessOutcome::Exited;
    standIn.answer.exitStatus = 0;
    Spit(name, "");
    WordImport(standIn).importDocument(name);
    std::filesystem::remove(name);
    EXPECT_EQ(standIn.asked.program, "antiword");
    EXPECT_EQ(standIn.asked.arguments,
              (std::vector<std::string>{"-m", "UTF-8.txt", "-w", "0", "--", "./" + name}));
}

TEST(WordImport, AntiwordThatRunsTooLongOrWritesTooMuchGivesNoText) {
    struct Case {
        ProcessOutcome outcome;
        WordImportFailure failure;
    } cases[] = {
        {ProcessOutcome::TimedOut, WordImportFailure::TimedOut},
        {ProcessOutcome::OutputTooLarge, WordImportFailure::TooLarge},
        {ProcessOutcome::Signalled, WordImportFailure::AntiwordFailed},
        {ProcessOutcome::NotPermitted, WordImportFailure::AntiwordFailed},
    };
    WordImportLimits limits;
    limits.antiwordTimeout = std::chrono::milliseconds(1234);
    limits.maxAntiwordOutput = 5678;
    for (const Case& c : cases) {
        StandInRunner standIn;
        standIn.answer.outcome = c.outcome;
        standIn.answer.output = "partial";
        WordImportResult result = WordImport(standIn, limits).importDocument(Fixture("word97.doc"));
        EXPECT_EQ(result.failure, c.failure);
        EXPECT_EQ(result.text, "");
        EXPECT_EQ(standIn.asked.timeout, std::chrono::milliseconds(1234));
        EXPECT_EQ(standIn.asked.outputCap, 5678u);
    }
}

}  // namespace
}  // namespace kalamo
