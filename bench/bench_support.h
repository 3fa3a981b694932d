#pragma once

// Shared by the logic benchmarks (GBK literals) and the Qt ones (UTF-8 literals), so it
// holds no text outside ASCII.
#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>

#include "platform/machine_store.h"
#include "platform/process_paths.h"

namespace kalamo::bench {

// A fresh folder under the system temp dir, removed with the object.
class TempFolder {
  public:
    TempFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "kalamo-bench-XXXXXX").string();
        if (mkdtemp(pattern.data())) path_ = pattern;
    }
    ~TempFolder() {
        std::error_code ignored;
        if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    bool ok() const { return !path_.empty(); }
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

  private:
    std::string path_;
};

class FolderPaths : public ProcessPaths {
  public:
    explicit FolderPaths(std::string folder) : folder_(std::move(folder)) {}
    std::string runDirectory() const override { return folder_; }
    std::string workingDirectory() const override { return folder_; }
    std::string executablePath() const override { return folder_ + "/kalamo"; }

  private:
    std::string folder_;
};

// The machine values stay in memory: the benchmarks time setting.ini, not machine.ini.
class MemoryMachine : public MachineStore {
  public:
    std::string readText(const std::string& name) const override {
        auto it = texts_.find(name);
        return it == texts_.end() ? std::string() : it->second;
    }
    void writeText(const std::string& name, const std::string& value) override {
        texts_[name] = value;
    }
    std::uint32_t readNumber(const std::string& name) const override {
        auto it = numbers_.find(name);
        return it == numbers_.end() ? 0 : it->second;
    }
    void writeNumber(const std::string& name, std::uint32_t value) override {
        numbers_[name] = value;
    }

  private:
    std::map<std::string, std::string> texts_;
    std::map<std::string, std::uint32_t> numbers_;
};

// `unit` repeated until the result holds at least `bytes` bytes; whole units only, so a
// multi-byte character is never cut.
inline std::string RepeatTo(std::string_view unit, std::size_t bytes) {
    std::string out;
    out.reserve(bytes + unit.size());
    while (out.size() < bytes) out.append(unit);
    return out;
}

}  // namespace kalamo::bench
