#pragma once

#include "app/router.h"
#include "app/start_up.h"
#include "appearance/appearance_stand_in.h"
#include "appearance/first_run_wizard_stand_in.h"
#include "core/kalamo.h"
#include "documents/document_opener.h"
#include "documents/password_window.h"
#include "editor/find_replace.h"
#include "editor/insertions.h"
#include "editor/key_commands.h"
#include "editor/phrase_window.h"
#include "lists/lists_stand_in.h"
#include "settings/settings_panel_controller.h"
#include "stats/manuscript_backup.h"
#include "stats/points_ledger.h"
#include "stats/statistics_window_controller.h"
#include "stats/stats_stand_in.h"
#include "stats/text_changed_path.h"
#include "stats/writing_clock.h"
#include "tools/tools_stand_in.h"
#include "window/main_window_controller.h"
#include "writing/document_saver.h"
#include "writing/writing_modes.h"

namespace kalamo {

// Parts a test may answer itself; a null one is the program's own.
struct PartOverrides {
    FirstRunWizard* wizard = nullptr;
    Appearance* appearance = nullptr;
    DocumentCipher* documents = nullptr;
    StatisticsWindow* statistics = nullptr;
    TaskBoard* tasks = nullptr;
    UpdateCheck* updates = nullptr;
    SettingsPanel* panel = nullptr;
    RecordingPlayer* player = nullptr;
};

// The subsystems of one run, wired to the routing table. The toolkit delivers every
// event to `router`.
class KalamoApp {
  public:
    explicit KalamoApp(Kalamo& k, PartOverrides overrides = {});
    KalamoApp(const KalamoApp&) = delete;
    KalamoApp& operator=(const KalamoApp&) = delete;

    // The main window's created and will-be-destroyed events.
    void onCreated();
    void onWillBeDestroyed();
    // A signal or the session's end: no question can be asked.
    void onTerminateRequested();

    Kalamo& k;

  private:
    AppearanceStandIn appearanceStandIn_{k};
    FirstRunWizardStandIn wizardStandIn_{k};
    StatsStandIn stats_;
    ToolsStandIn tools_;
    ListsStandIn lists_;
    PartOverrides o_;

    template <class Part, class Own>
    static Part& pick(Part* given, Own& own) {
        return given ? *given : own;
    }

  public:
    Appearance& appearance{pick(o_.appearance, appearanceStandIn_)};
    StatisticsWindowController statistics{k};
    PointsLedger points{k};
    PasswordWindow passwordWindow{k};
    FindReplace findReplace{k};
    MainWindowController window{k, appearance};
    SettingsPanelController settingsPanel{k, window, pick(o_.tasks, stats_),
                                          pick(o_.statistics, statistics)};
    SettingsPanel& panel{pick<SettingsPanel>(o_.panel, settingsPanel)};
    WritingModes modes{k, panel, appearance};
    DocumentSaver saver{k, modes, pick(o_.documents, passwordWindow)};
    DocumentLoader loader{k};
    Insertions insertions{k};
    DocumentOpener opener{k, modes, pick(o_.documents, passwordWindow), pick(o_.player, tools_)};
    KeyCommands keyCommands{k, [this] { insertions.EvaluateExpression(); },
                            [this] { insertions.InsertCurrentTime(TimeVariant::Key); }};
    PhraseWindow phraseWindow{k};
    ManuscriptBackup backup{k};
    TextChangedPath textChanged{k, statistics, backup};
    WritingClock writingClock{k};
    StartUp startUp{k,
                    {points, modes, saver, pick(o_.wizard, wizardStandIn_), appearance,
                     pick(o_.statistics, statistics), pick(o_.updates, tools_), panel, loader}};
    Router router;

  private:
    void routeMenus();
    void routeControls();
    void routeHotkeys();
    void routePasswordWindow();
    void routeFindReplace();
    void openNewWindow();
    void routeEditorKeys();
    void routePhraseWindow();
    void routeTextChanged();
    void routeStatisticsWindow();
    void routeBackupAndClock();
};

}  // namespace kalamo
