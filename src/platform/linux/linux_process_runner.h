#pragma once

#include "platform/process_runner.h"

namespace kalamo {

// posix_spawnp without a shell: the arguments reach the program byte for byte. The child reads
// /dev/null, inherits no descriptor but its two pipes, runs in a process group of its own with
// default signal handling, and is killed (with its group) at the deadline or when its output
// passes the cap. Both pipes are drained together, so a chatty child never blocks us.
class LinuxProcessRunner : public ProcessRunner {
  public:
    ProcessResult run(const ProcessRequest& request) override;
};

}  // namespace kalamo
