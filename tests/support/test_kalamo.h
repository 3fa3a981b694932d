#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "core/appearance.h"
#include "core/document_cipher.h"
#include "core/first_run_wizard.h"
#include "core/kalamo.h"
#include "core/recording_player.h"
#include "core/settings_panel.h"
#include "core/settings_store.h"
#include "core/statistics_window.h"
#include "core/task_board.h"
#include "core/update_check.h"
#include "platform/linux/linux_file_system.h"
#include "platform/linux/linux_process_runner.h"
#include "support/fake_ui.h"

namespace kalamo::test {

// Whole files as bytes, for setting up and checking what the program reads and writes.
std::string Slurp(const std::string& path);
void Spit(const std::string& path, const std::string& bytes);
// The permission bits of a file, and the sorted names in a folder.
unsigned ModeOf(const std::string& path);
std::vector<std::string> FilesIn(const std::string& folder);

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

// The parts other subsystems ask for, recording every call and answering from its fields.
class RecordingParts : public FirstRunWizard,
                       public Appearance,
                       public SettingsPanel,
                       public DocumentCipher,
                       public StatisticsWindow,
                       public TaskBoard,
                       public UpdateCheck,
                       public RecordingPlayer {
  public:
    std::vector<std::string> calls;
    bool wizardCompletes = true;
    bool passwordGiven = true;
    std::string passwordToSet;
    Kalamo* kalamo = nullptr;  // for the password window, which sets DocumentPassword

    // When set, the program's own parts run too (after the call is recorded).
    FirstRunWizard* wizardDelegate = nullptr;
    Appearance* appearanceDelegate = nullptr;
    SettingsPanel* panelDelegate = nullptr;
    StatisticsWindow* statisticsDelegate = nullptr;

    bool Run() override;
    void ApplyBackgroundColour() override;
    void SetWindowAlpha(int alpha) override;
    void LoadBackgroundPicture() override { calls.push_back("loadBackgroundPicture"); }
    void ApplyEditorBackground() override { calls.push_back("applyEditorBackground"); }
    void ApplyAndSaveSettings() override;
    bool askPassword() override;
    std::string encipher(const std::string& text, const std::string& password) override;
    std::string decipher(const std::string& bytes, const std::string& password) override;
    void open() override;
    void setShown(bool shown) override;
    void refresh() override { calls.push_back("refresh"); }
    void CheckForUpdate() override { calls.push_back("checkForUpdate"); }
    void OpenPlayer(const std::string& path) override { calls.push_back("openPlayer " + path); }

    bool called(const std::string& name) const;
};

// One run's worth of logic over fakes and a real temp folder holding setting.ini.
struct TestKalamo {
    TestKalamo();

    TempDir dir;
    FakePaths paths;
    MemoryMachineStore machine;
    LinuxFileSystem files;
    SettingsStore settings{paths, machine, files};
    FakeClock clock;
    LinuxProcessRunner processes;
    FakeUi ui;
    FakeEditor editor{ui};
    RecordingParts parts;
    Kalamo k{Services{ui, editor, settings, files, clock, paths, processes}, {}};

    std::string ini(const std::string& section, const std::string& key) const {
        return settings.readSetting(section, key);
    }
};

}  // namespace kalamo::test
