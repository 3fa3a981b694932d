#include "platform/linux/linux_process_runner.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <thread>

extern char** environ;

namespace kalamo {
namespace {

using Clock = std::chrono::steady_clock;

class Fd {
  public:
    Fd() = default;
    explicit Fd(int fd) : fd_(fd) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() { reset(); }
    int get() const { return fd_; }
    void reset() {
        if (fd_ >= 0) close(fd_);
        fd_ = -1;
    }
    int* out() { return &fd_; }

  private:
    int fd_ = -1;
};

struct Pipe {
    Fd read, write;
    bool open() {
        int fds[2];
        if (pipe2(fds, O_CLOEXEC) != 0) return false;
        *read.out() = fds[0];
        *write.out() = fds[1];
        return true;
    }
};

ProcessOutcome StartFailure(int error) {
    switch (error) {
        case ENOENT:
        case ENOTDIR:
            return ProcessOutcome::NotFound;
        case EACCES:
        case EPERM:
            return ProcessOutcome::NotPermitted;
        default:
            return ProcessOutcome::StartFailed;
    }
}

// Starts the program with stdin from /dev/null and stdout/stderr into the pipes; 0 or an errno.
int Spawn(const ProcessRequest& request, const Pipe& out, const Pipe& err, pid_t* pid) {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(request.program.c_str()));
    for (const std::string& a : request.arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attr;
    posix_spawn_file_actions_init(&actions);
    posix_spawnattr_init(&attr);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, out.write.get(), 1);
    posix_spawn_file_actions_adddup2(&actions, err.write.get(), 2);
    posix_spawn_file_actions_addclosefrom_np(&actions, 3);
    sigset_t none, all;
    sigemptyset(&none);
    sigfillset(&all);
    posix_spawnattr_setsigmask(&attr, &none);
    posix_spawnattr_setsigdefault(&attr, &all);  // an ignored SIGPIPE must not be inherited
    posix_spawnattr_setpgroup(&attr, 0);
    posix_spawnattr_setflags(
        &attr, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETPGROUP);
    int rc = posix_spawnp(pid, request.program.c_str(), &actions, &attr, argv.data(), environ);
    posix_spawnattr_destroy(&attr);
    posix_spawn_file_actions_destroy(&actions);
    return rc;
}

int MillisecondsUntil(Clock::time_point deadline) {
    auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left <= 0 ? 0 : left > 60000 ? 60000 : static_cast<int>(left);
}

class Collector {
  public:
    Collector(const ProcessRequest& request, pid_t pid, ProcessResult& result)
        : request_(request), pid_(pid), result_(result) {}

    // Reads both pipes until they close, the deadline passes or stdout passes its cap.
    void drain(Fd& out, Fd& err, Clock::time_point deadline) {
        while (!killed_ && (out.get() >= 0 || err.get() >= 0)) {
            int wait = MillisecondsUntil(deadline);
            if (wait == 0) return kill(ProcessOutcome::TimedOut);
            pollfd fds[2] = {{out.get(), POLLIN, 0}, {err.get(), POLLIN, 0}};
            int ready = poll(fds, 2, wait);
            if (ready < 0 && errno != EINTR) return kill(ProcessOutcome::StartFailed);
            if (ready <= 0) continue;
            if (fds[0].revents != 0) readInto(out, result_.output, request_.outputCap, true);
            if (fds[1].revents != 0) readInto(err, result_.errorOutput, request_.errorOutputCap);
        }
    }

    // Reaps the child, killing it if it outlives the deadline after closing its pipes.
    void reap(Clock::time_point deadline) {
        int status = 0;
        for (;;) {
            pid_t r = waitpid(pid_, &status, killed_ ? 0 : WNOHANG);
            if (r == pid_) break;
            if (r < 0 && errno != EINTR) return;
            if (r == 0 && MillisecondsUntil(deadline) == 0) kill(ProcessOutcome::TimedOut);
            if (r == 0 && !killed_) std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        if (killed_) return;
        if (WIFEXITED(status)) {
            result_.outcome = ProcessOutcome::Exited;
            result_.exitStatus = WEXITSTATUS(status);
        } else if (WIFSIGNALED(status)) {
            result_.outcome = ProcessOutcome::Signalled;
            result_.signal = WTERMSIG(status);
        }
    }

  private:
    void kill(ProcessOutcome why) {
        ::kill(-pid_, SIGKILL);
        ::kill(pid_, SIGKILL);
        killed_ = true;
        result_.outcome = why;
    }

    void readInto(Fd& fd, std::string& into, std::size_t cap, bool capKills = false) {
        char buffer[65536];
        ssize_t n = read(fd.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) return;
        if (n <= 0) return fd.reset();
        std::size_t room = cap - into.size();
        into.append(buffer, std::min(room, static_cast<std::size_t>(n)));
        if (capKills && static_cast<std::size_t>(n) > room) kill(ProcessOutcome::OutputTooLarge);
    }

    const ProcessRequest& request_;
    pid_t pid_;
    ProcessResult& result_;
    bool killed_ = false;
};

}  // namespace

ProcessResult LinuxProcessRunner::run(const ProcessRequest& request) {
    ProcessResult result;
    Pipe out, err;
    if (!out.open() || !err.open()) return result;
    pid_t pid = 0;
    int error = Spawn(request, out, err, &pid);
    out.write.reset();
    err.write.reset();
    if (error != 0) {
        result.outcome = StartFailure(error);
        return result;
    }
    const Clock::time_point deadline = Clock::now() + request.timeout;
    Collector collector(request, pid, result);
    collector.drain(out.read, err.read, deadline);
    out.read.reset();
    err.read.reset();
    collector.reap(deadline);
    return result;
}

}  // namespace kalamo
