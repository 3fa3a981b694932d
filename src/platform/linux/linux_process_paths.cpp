#include "platform/linux/linux_process_paths.h"

#include <unistd.h>

#include <cerrno>
#include <string_view>

namespace kalamo {
namespace {

std::string WithoutTrailingSlash(std::string path) {
    while (!path.empty() && path.back() == '/') path.pop_back();
    return path;
}

}  // namespace

std::string LinuxProcessPaths::executablePath() const {
    std::string buffer(256, '\0');
    for (;;) {
        ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (n < 0) return {};
        if (static_cast<std::size_t>(n) < buffer.size()) {
            buffer.resize(static_cast<std::size_t>(n));
            break;
        }
        buffer.resize(buffer.size() * 2);
    }
    // The kernel marks an executable replaced or removed since start; the folder stands.
    constexpr std::string_view kDeleted = " (deleted)";
    if (buffer.size() > kDeleted.size() && buffer.ends_with(kDeleted))
        buffer.resize(buffer.size() - kDeleted.size());
    return buffer;
}

std::string LinuxProcessPaths::runDirectory() const {
    std::string exe = executablePath();
    std::size_t slash = exe.find_last_of('/');
    // Without /proc the current directory is the best remaining guess.
    if (slash == std::string::npos) return workingDirectory();
    return exe.substr(0, slash);
}

std::string LinuxProcessPaths::workingDirectory() const {
    std::string buffer(256, '\0');
    while (getcwd(buffer.data(), buffer.size()) == nullptr) {
        // A removed or unreachable directory is still reachable as ".".
        if (errno != ERANGE) return ".";
        buffer.resize(buffer.size() * 2);
    }
    buffer.resize(buffer.find('\0'));
    return WithoutTrailingSlash(buffer);
}

}  // namespace kalamo
