#include "platform/linux/linux_process_runner.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>

#include "support/test_kalamo.h"

namespace kalamo {
namespace {

using test::Spit;
using test::TempDir;

ProcessResult RunProgram(const std::string& program, std::vector<std::string> arguments,
                         std::chrono::milliseconds timeout = std::chrono::milliseconds(20000),
                         std::size_t outputCap = 64u << 20) {
    ProcessRequest request;
    request.program = program;
    request.arguments = std::move(arguments);
    request.timeout = timeout;
    request.outputCap = outputCap;
    return LinuxProcessRunner().run(request);
}

TEST(LinuxProcessRunner, ArgumentsReachTheProgramAsTheyAreWithoutAShell) {
    TempDir dir;
    std::string marker = dir.file("made-by-a-shell");
    std::vector<std::string> arguments = {"; rm -rf " + dir.path(),
                                          "$(touch " + marker + ")",
                                          "`touch " + marker + "`",
                                          "-n",
                                          "*",
                                          "",
                                          "a b\tc",
                                          "'\"\\",
                                          "中文 ü"};
    std::vector<std::string> withFormat = {"%s|"};
    withFormat.insert(withFormat.end(), arguments.begin(), arguments.end());
    ProcessResult result = RunProgram("printf", withFormat);
    ASSERT_TRUE(result.succeeded());
    std::string expected;
    for (const std::string& a : arguments) expected += a + "|";
    EXPECT_EQ(result.output, expected);
    EXPECT_FALSE(std::filesystem::exists(marker));
    EXPECT_TRUE(std::filesystem::exists(dir.path()));
}

TEST(LinuxProcessRunner, ReportsHowTheProgramEnded) {
    ProcessResult both = RunProgram("/bin/sh", {"-c", "echo out; echo err >&2; exit 3"});
    EXPECT_EQ(both.outcome, ProcessOutcome::Exited);
    EXPECT_EQ(both.exitStatus, 3);
    EXPECT_EQ(both.output, "out\n");
    EXPECT_EQ(both.errorOutput, "err\n");
    EXPECT_FALSE(both.succeeded());

    ProcessResult signalled = RunProgram("/bin/sh", {"-c", "kill -TERM $$"});
    EXPECT_EQ(signalled.outcome, ProcessOutcome::Signalled);
    EXPECT_EQ(signalled.signal, SIGTERM);

    // Standard input is /dev/null: cat ends at once instead of waiting for a terminal.
    ProcessResult cat = RunProgram("cat", {});
    EXPECT_TRUE(cat.succeeded());
    EXPECT_EQ(cat.output, "");
}

TEST(LinuxProcessRunner, ProgramsThatCannotStartAreToldApart) {
    TempDir dir;
    Spit(dir.file("not-executable"), "#!/bin/sh\necho hi\n");
    chmod(dir.file("not-executable").c_str(), 0644);
    EXPECT_EQ(RunProgram("kalamo-no-such-program", {}).outcome, ProcessOutcome::NotFound);
    EXPECT_EQ(RunProgram(dir.file("missing"), {}).outcome, ProcessOutcome::NotFound);
    EXPECT_EQ(RunProgram(dir.file("not-executable"), {}).outcome, ProcessOutcome::NotPermitted);
}

TEST(LinuxProcessRunner, TimeoutKillsTheProgram) {
    // The shell prints its pid, then becomes sleep.
    ProcessResult result =
        RunProgram("/bin/sh", {"-c", "echo $$; exec sleep 60"}, std::chrono::milliseconds(300));
    EXPECT_EQ(result.outcome, ProcessOutcome::TimedOut);
    ASSERT_FALSE(result.output.empty());
    pid_t pid = std::stoi(result.output);
    EXPECT_EQ(kill(pid, 0), -1);  // killed and reaped
    EXPECT_EQ(errno, ESRCH);
}

TEST(LinuxProcessRunner, OutputIsCappedAndNeitherPipeCanBlock) {
    ProcessResult capped =
        RunProgram("head", {"-c", "10000000", "/dev/zero"}, std::chrono::milliseconds(20000), 1000);
    EXPECT_EQ(capped.outcome, ProcessOutcome::OutputTooLarge);
    EXPECT_EQ(capped.output.size(), 1000u);

    // Megabytes on both pipes, more than either holds: all of stdout arrives, stderr is
    // kept up to its own cap and the rest read and dropped.
    ProcessResult both = RunProgram(
        "/bin/sh", {"-c", "head -c 3000000 /dev/zero >&2; head -c 5000000 /dev/zero; echo"});
    EXPECT_TRUE(both.succeeded());
    EXPECT_EQ(both.output.size(), 5000001u);
    EXPECT_EQ(both.errorOutput.size(), std::size_t{64} << 10);
}

}  // namespace
}  // namespace kalamo
