#include "support/memory_file_system.h"

#include "base/path_text.h"

namespace kalamo::test {

std::optional<std::string> MemoryFileSystem::readAll(const std::string& path) const {
    auto it = files.find(path);
    if (it == files.end() || it->second.unreadable) return std::nullopt;
    return it->second.bytes;
}

bool MemoryFileSystem::writeAtomic(const std::string& path, const std::string& bytes,
                                   FileError* error, Durability durability) {
    auto fail = [error](FileError why) {
        if (error) *error = why;
        return false;
    };
    if (path.empty()) return fail(FileError::EmptyPath);
    if (folders.count(path)) return fail(FileError::IsFolder);
    if (!folders.count(ParentOf(path))) return fail(FileError::MissingFolder);
    auto it = files.find(path);
    if (it != files.end() && it->second.readOnly) return fail(FileError::ReadOnlyFile);
    if (failWrites != FileError::None) return fail(failWrites);
    lastDurability = durability;
    if (locked_ != ParentOf(path)) writesOutsideLock.push_back(path);
    ++writes;
    files[path].bytes = bytes;
    return true;
}

bool MemoryFileSystem::exists(const std::string& path) const {
    return files.count(path) > 0 || folders.count(path) > 0;
}

bool MemoryFileSystem::makeDirectories(const std::string& path) {
    for (std::string p = path; p != "/" && p != "."; p = ParentOf(p))
        if (files.count(p)) return false;
    for (std::string p = path; p != "/" && p != "."; p = ParentOf(p)) folders.insert(p);
    return true;
}

void MemoryFileSystem::setReadOnly(const std::string& path, bool readOnly) {
    auto it = files.find(path);
    if (it != files.end()) it->second.readOnly = readOnly;
}

bool MemoryFileSystem::withFolderLock(const std::string& folder,
                                      const std::function<void()>& body) {
    if (!folders.count(folder)) return false;
    locked_ = folder;
    body();
    locked_.clear();
    return true;
}

}  // namespace kalamo::test
