#pragma once

#include "app/kalamo_app.h"
#include "appearance/appearance_stand_in.h"
#include "appearance/first_run_wizard_stand_in.h"
#include "cipher/text_cipher.h"
#include "support/test_kalamo.h"

namespace kalamo::test {

// The whole logic of a run, wired to the fake window; the program's own parts run behind
// the recording ones.
struct AppFixture : TestKalamo {
    AppFixture() {
        ui.setEventSink(&app.router);
        parts.wizardDelegate = &wizard;
        parts.appearanceDelegate = &appearance;
        parts.panelDelegate = &app.settingsPanel;
        parts.statisticsDelegate = &app.statistics;
    }

    // A folder that has run before: the wizard is done and the program is installed here.
    void installed() {
        settings.writeSetting("文本设置", "first", "真");
        machine.texts["dizhi"] = paths.run;
    }
    void storePoints(int points, std::string folder = {}) {
        std::string stored = TextCipher::encipher(std::to_string(points), FixedPassPhrase);
        std::string saved = paths.work;
        paths.work = folder.empty() ? paths.work : folder;
        settings.writePointsText(stored);
        paths.work = saved;
    }
    void start() { app.onCreated(); }
    // A change of the editor's text followed by a pause: the paced work has all run.
    void changeAndPause() {
        ui.fire({kMainWindow, "编辑框1", EventKind::TextChanged});
        for (int i = 0; i < 2; ++i) ui.fire({kMainWindow, kPacingTimer, EventKind::TimerTick});
    }

    FirstRunWizardStandIn wizard{k};
    AppearanceStandIn appearance{k};
    KalamoApp app{k, {&parts, &parts, &parts, &parts, &parts, &parts, &parts, &parts}};
};

}  // namespace kalamo::test
