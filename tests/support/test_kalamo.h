#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "app/kalamo.h"
#include "app/later_parts.h"
#include "app/settings_store.h"
#include "platform/linux/linux_file_system.h"
#include "support/fake_ui.h"

namespace kalamo::test {

// Whole files as bytes, for setting up and checking what the program reads and writes.
std::string Slurp(const std::string& path);
void Spit(const std::string& path, const std::string& bytes);

// A fresh folder under the system temp dir, removed with the fixture.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

  private:
    std::string path_;
};

class FakePaths : public ProcessPaths {
  public:
    std::string run, work, exe;
    std::string runDirectory() const override { return run; }
    std::string workingDirectory() const override { return work; }
    std::string executablePath() const override { return exe; }
};

class FakeClock : public Clock {
  public:
    LocalDateTime time{2016, 1, 31, 9, 5, 7, 0};
    LocalDateTime now() const override { return time; }
};

class MemoryMachineStore : public MachineStore {
  public:
    std::map<std::string, std::string> texts;
    std::map<std::string, std::uint32_t> numbers;
    std::string readText(const std::string& n) const override;
    void writeText(const std::string& n, const std::string& v) override { texts[n] = v; }
    std::uint32_t readNumber(const std::string& n) const override;
    void writeNumber(const std::string& n, std::uint32_t v) override { numbers[n] = v; }
};

// Records every call; answers from its fields.
class RecordingLaterParts : public LaterParts {
  public:
    std::vector<std::string> calls;
    bool wizardCompletes = true;
    bool passwordGiven = true;
    std::string passwordToSet;
    Kalamo* kalamo = nullptr;  // for the password window, which sets DocumentPassword

    // When set, the window-level stand-ins run too (after the call is recorded).
    LaterParts* delegate = nullptr;

    void openStatisticsWindow() override { calls.push_back("openStatisticsWindow"); }
    bool runFirstRunWizard() override;
    void applyAndSaveSettings() override {
        calls.push_back("applyAndSaveSettings");
        if (delegate) delegate->applyAndSaveSettings();
    }
    void applyBackgroundColour() override {
        calls.push_back("applyBackgroundColour");
        if (delegate) delegate->applyBackgroundColour();
    }
    void setWindowAlpha(int alpha) override {
        calls.push_back("setWindowAlpha " + std::to_string(alpha));
        if (delegate) delegate->setWindowAlpha(alpha);
    }
    void checkForUpdate() override { calls.push_back("checkForUpdate"); }
    void loadBackgroundPicture() override { calls.push_back("loadBackgroundPicture"); }
    void applyEditorBackground() override { calls.push_back("applyEditorBackground"); }
    bool askDocumentPassword() override;
    std::string encipherDocument(const std::string& text, const std::string& password) override;
    std::string decipherDocument(const std::string& bytes, const std::string& password) override;
    void runLaterCommand(const std::string& row) override { calls.push_back("later " + row); }
    bool called(const std::string& name) const;
};

// One run's worth of logic over fakes and a real temp folder holding setting.ini.
struct TestKalamo {
    TestKalamo();

    TempDir dir;
    FakePaths paths;
    MemoryMachineStore machine;
    SettingsStore settings{paths, machine};
    LinuxFileSystem files;
    FakeClock clock;
    FakeUi ui;
    FakeEditor editor{ui};
    RecordingLaterParts later;
    Kalamo k{Services{ui, editor, settings, files, clock, paths, later}, {}};

    std::string ini(const std::string& section, const std::string& key) const {
        return settings.readSetting(section, key);
    }
};

}  // namespace kalamo::test
