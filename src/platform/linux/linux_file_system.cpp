#include "platform/linux/linux_file_system.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <random>

#include "base/path_text.h"

namespace kalamo {
namespace {

FileError ErrorOf(int err) {
    switch (err) {
        case ENOSPC:
        case EDQUOT:
            return FileError::NoSpace;
        case EACCES:
        case EPERM:
            return FileError::NoPermission;
        case EROFS:
            return FileError::ReadOnlyDisk;
        case ENOENT:
        case ENOTDIR:
            return FileError::MissingFolder;
        case ENAMETOOLONG:
            return FileError::NameTooLong;
        default:
            return FileError::Other;
    }
}

bool Fail(FileError* error, FileError reason) {
    if (error) *error = reason;
    return false;
}

// Writes to a symbolic link land in the file it names, so the link survives.
std::string ResolveLink(const std::string& path) {
    struct stat st;
    if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    char* real = realpath(path.c_str(), nullptr);
    if (!real) return path;
    std::string resolved = real;
    free(real);
    return resolved;
}

bool WriteFully(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n == 0) errno = EIO;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

constexpr std::size_t kMaxTempBase = 200;

// Opens a new, unused sibling of target for writing. Mode 0666 lets the umask decide the
// mode of a file that did not exist before.
int CreateTempSibling(const std::string& target, std::string* tempPath) {
    std::string folder = ParentOf(target);
    std::size_t slash = target.find_last_of('/');
    std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    // A name near the 255-byte limit would leave no room for the temporary's affixes; the
    // cut backs off to the start of a UTF-8 character.
    if (base.size() > kMaxTempBase) {
        std::size_t cut = kMaxTempBase;
        while (cut > 0 && (static_cast<unsigned char>(base[cut]) & 0xC0) == 0x80) --cut;
        base.resize(cut);
    }
    std::random_device seed;
    std::mt19937_64 gen(seed() ^ (static_cast<std::uint64_t>(getpid()) << 32));
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string candidate = (folder == "/" ? "" : folder) + "/." + base + ".tmp" +
                                std::to_string(gen() % 1000000000ULL);
        int fd = open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            *tempPath = candidate;
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

// Checks the target before anything is created. `existing` is set when a file is there.
bool CheckTarget(const std::string& target, struct stat* st, bool* existing, FileError* error) {
    *existing = false;
    if (stat(target.c_str(), st) == 0) {
        if (S_ISDIR(st->st_mode)) return Fail(error, FileError::IsFolder);
        if (!S_ISREG(st->st_mode)) return Fail(error, FileError::NotRegularFile);
        if ((st->st_mode & 0222) == 0) return Fail(error, FileError::ReadOnlyFile);
        if (access(target.c_str(), W_OK) != 0) return Fail(error, ErrorOf(errno));
        *existing = true;
        return true;
    }
    if (errno != ENOENT) return Fail(error, ErrorOf(errno));
    struct stat folder;
    if (stat(ParentOf(target).c_str(), &folder) != 0 || !S_ISDIR(folder.st_mode))
        return Fail(error, FileError::MissingFolder);
    return true;
}

}  // namespace

std::optional<std::string> LinuxFileSystem::readAll(const std::string& path) const {
    // Non-blocking so that a FIFO in the path cannot hang the caller; it is refused below.
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return std::nullopt;
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(fd);
        return std::nullopt;
    }
    std::string out;
    out.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[65536];
    for (;;) {
        ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            close(fd);
            return std::nullopt;
        }
        if (n == 0) break;
        out.append(buffer, static_cast<std::size_t>(n));
    }
    close(fd);
    return out;
}

bool LinuxFileSystem::writeAtomic(const std::string& path, const std::string& bytes,
                                  FileError* error, Durability durability) {
    if (error) *error = FileError::None;
    if (path.empty()) return Fail(error, FileError::EmptyPath);
    std::string target = ResolveLink(path);
    struct stat st;
    bool existing = false;
    if (!CheckTarget(target, &st, &existing, error)) return false;

    std::string temp;
    int fd = CreateTempSibling(target, &temp);
    if (fd < 0) return Fail(error, ErrorOf(errno));
    auto abandon = [&](int err) {
        close(fd);
        unlink(temp.c_str());
        return Fail(error, ErrorOf(err));
    };
    if (existing) {
        if (fchmod(fd, st.st_mode & 07777) != 0) return abandon(errno);
        // Keeps the owner when root edits someone else's file; ordinary users cannot and
        // need not.
        if (geteuid() == 0) (void)!fchown(fd, st.st_uid, st.st_gid);
    }
    if (!WriteFully(fd, bytes)) return abandon(errno);
    if (durability == Durability::Flushed && fsync(fd) != 0) return abandon(errno);
    if (close(fd) != 0) {
        int err = errno;
        unlink(temp.c_str());
        return Fail(error, ErrorOf(err));
    }
    if (rename(temp.c_str(), target.c_str()) != 0) {
        int err = errno;
        unlink(temp.c_str());
        return Fail(error, ErrorOf(err));
    }
    // The folder is not synced: after a crash the rename may be undone, which leaves the
    // old file whole; syncing it would double the cost of every settings write.
    return true;
}

bool LinuxFileSystem::isFile(const std::string& path) const {
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool LinuxFileSystem::isDirectory(const std::string& path) const {
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace kalamo

namespace kalamo {

bool LinuxFileSystem::exists(const std::string& path) const {
    struct stat st;
    return lstat(path.c_str(), &st) == 0;
}

bool LinuxFileSystem::makeDirectories(const std::string& path) {
    std::error_code ec;
    std::filesystem::create_directories(path, ec);
    return isDirectory(path);
}

void LinuxFileSystem::setReadOnly(const std::string& path, bool readOnly) {
    struct stat st;
    if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return;
    mode_t mode = st.st_mode & 07777;
    chmod(path.c_str(), readOnly ? mode & ~mode_t{0222} : mode | S_IWUSR);
}

// An exclusive flock on the folder. The folder, unlike a file in it, is not replaced by an
// atomic rename, so every writer locks the same object; the lock goes with the process,
// so a crash leaves nothing stale behind.
bool LinuxFileSystem::withFolderLock(const std::string& folder, const std::function<void()>& body) {
    int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    // Where the file system offers no flock the write still replaces atomically.
    while (flock(fd, LOCK_EX) != 0 && errno == EINTR) {
    }
    body();
    close(fd);
    return true;
}

}  // namespace kalamo
