#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

namespace kalamo {

// How a run ended. The logic turns these into what the user reads.
enum class ProcessOutcome {
    Exited,          // ended by itself; see exitStatus
    Signalled,       // ended by a signal the runner did not send; see signal
    TimedOut,        // still running at the deadline: killed
    OutputTooLarge,  // wrote more than the cap to its standard output: killed
    NotFound,        // no such program
    NotPermitted,    // the program exists but may not be run
    StartFailed,     // any other reason it could not start
};

struct ProcessRequest {
    // A name looked up in PATH, or a path when it holds a "/".
    std::string program;
    // Passed to the program as they are, never through a shell.
    std::vector<std::string> arguments;
    std::chrono::milliseconds timeout{30000};
    std::size_t outputCap = 64u << 20;
    std::size_t errorOutputCap = 64u << 10;  // past it, standard error is read and dropped
};

struct ProcessResult {
    ProcessOutcome outcome = ProcessOutcome::StartFailed;
    int exitStatus = -1;      // when Exited
    int signal = 0;           // when Signalled
    std::string output;       // standard output, at most outputCap bytes
    std::string errorOutput;  // standard error, at most errorOutputCap bytes

    bool succeeded() const { return outcome == ProcessOutcome::Exited && exitStatus == 0; }
};

// Runs a program to its end with no standard input, collecting what it writes.
class ProcessRunner {
  public:
    virtual ~ProcessRunner() = default;
    virtual ProcessResult run(const ProcessRequest& request) = 0;
};

}  // namespace kalamo
