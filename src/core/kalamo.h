#pragma once

#include <string>
#include <vector>

#include "core/settings_store.h"
#include "core/writing_state.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/process_paths.h"
#include "platform/process_runner.h"
#include "ui/editor_view.h"
#include "ui/ui_facade.h"

namespace kalamo {

struct Services {
    UiFacade& ui;
    EditorView& editor;
    SettingsStore& settings;
    FileSystem& files;
    const Clock& clock;
    const ProcessPaths& paths;
    ProcessRunner& processes;
};

struct HotkeyIds {
    int f8 = 0, f9 = 0, f1 = 0, f4 = 0, f6 = 0;
};

// The shared state of one run. Subsystems hold a reference to it; nothing else is global.
struct Kalamo {
    Kalamo(Services services, std::vector<std::string> arguments)
        : s(services), args(std::move(arguments)) {}

    Services s;
    std::vector<std::string> args;  // command-line arguments after the program name
    WritingSession writing;
    int points = 0;
    bool pictureBackgroundOn = false;
    HotkeyIds hotkeys;
    bool ending = false;              // the main window is closing; later steps have no effect
    bool endWithoutShutDown = false;  // ended from the first-run wizard: nothing to save
};

}  // namespace kalamo
