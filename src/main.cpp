// Kalamo's process entry: builds the window and the logic behind it, runs start-up on the
// window's created event, then the event loop until the window is closed.
#include <QApplication>
#include <string>
#include <vector>

#include "app/kalamo_app.h"
#include "core/settings_store.h"
#include "platform/linux/linux_file_system.h"
#include "platform/linux/linux_process_paths.h"
#include "platform/linux/linux_process_runner.h"
#include "platform/linux/machine_ini_store.h"
#include "platform/linux/system_clock.h"
#include "ui/qt/qt_ui.h"

namespace {

// One run: the platform services, the context and the subsystems, in construction order.
struct Run {
    Run(kalamo::QtUi& qt, std::vector<std::string> args)
        : k(kalamo::Services{qt.facade(), qt.editor(), settings, files, clock, paths, processes},
            std::move(args)) {
        qt.facade().setEventSink(&app.router);
    }

    kalamo::LinuxProcessPaths paths;
    kalamo::MachineIniStore machine{kalamo::MachineIniStore::DefaultPath()};
    kalamo::LinuxFileSystem files;
    kalamo::SettingsStore settings{paths, machine, files};
    kalamo::SystemClock clock;
    kalamo::LinuxProcessRunner processes;
    kalamo::Kalamo k;
    kalamo::KalamoApp app{k};
};

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    application.setApplicationName("kalamo");
    kalamo::QtUi qt;
    // Only the first argument counts: the path of a text file to open at start-up.
    std::vector<std::string> args;
    if (argc > 1) args.emplace_back(argv[1]);
    Run run(qt, std::move(args));
    run.app.onCreated();
    if (run.k.ending) return 0;
    qt.showMainWindow();
    return application.exec();
}
