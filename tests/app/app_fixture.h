#pragma once

#include "app/default_later_parts.h"
#include "app/kalamo_app.h"
#include "cipher/text_cipher.h"
#include "support/test_kalamo.h"

namespace kalamo::test {

// The whole logic of a run, wired to the fake window; the window-level stand-ins of
// later features run behind the recording ones.
struct AppFixture : TestKalamo {
    AppFixture() {
        ui.setEventSink(&app.router);
        stand_ins.attachWindow(&app.window);
        later.delegate = &stand_ins;
    }

    // A folder that has run before: the wizard is done and the program is installed here.
    void installed() {
        settings.writeSetting("文本设置", "first", "真");
        machine.texts["dizhi"] = paths.run;
    }
    void storePoints(int points, std::string folder = {}) {
        std::string file = (folder.empty() ? paths.work : folder) + "/setting.ini";
        std::string stored = TextCipher::encipher(std::to_string(points), FixedPassPhrase);
        std::string saved = paths.work;
        paths.work = folder.empty() ? paths.work : folder;
        settings.writePointsText(stored);
        paths.work = saved;
    }
    void start() { app.onCreated(); }

    KalamoApp app{k};
    DefaultLaterParts stand_ins{k};
};

}  // namespace kalamo::test
