#pragma once

namespace kalamo {

// The settings panel "关于", whose controls are the live options of the run.
class SettingsPanel {
  public:
    virtual ~SettingsPanel() = default;
    // Applies every option in the panel's controls and writes them all to setting.ini.
    virtual void ApplyAndSaveSettings() = 0;
};

}  // namespace kalamo
