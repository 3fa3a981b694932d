#pragma once

#include "core/control_layout.h"
#include "core/kalamo.h"
#include "core/settings_panel.h"
#include "core/statistics_window.h"
#include "core/task_board.h"

namespace kalamo {

// The settings panel "关于": showing, hiding and paging it, and applying its options.
class SettingsPanelController : public SettingsPanel {
  public:
    SettingsPanelController(Kalamo& k, ControlLayout& layout, TaskBoard& tasks,
                            StatisticsWindow& statistics)
        : k_(k), layout_(layout), tasks_(tasks), statistics_(statistics) {}

    // Writes every option from the panel's controls and applies the window-level ones.
    // Theme, top picture, text colour and tips follow when the appearance lands.
    void ApplyAndSaveSettings() override;

    // "设置（F8）": opens on the functions page with the task board refreshed, or closes.
    void ToggleSettingsPanel();
    // The F8 hotkey: shows the panel on whatever page it was.
    void ShowSettingsPanel();
    // The F1 hotkey: the support page.
    void ShowSupportPage();
    void ShowAppCentre();
    void ToggleStatisticsOption();
    void HideSettingsPanel();

  private:
    void showPage(int page);
    void writeFlag(const char* section, const char* key, const char* box);

    Kalamo& k_;
    ControlLayout& layout_;
    TaskBoard& tasks_;
    StatisticsWindow& statistics_;
};

}  // namespace kalamo
