#include "appearance/first_run_wizard_stand_in.h"

namespace kalamo {

bool FirstRunWizardStandIn::Run() {
    SettingsStore& s = k_.s.settings;
    s.writeSetting("软件设置", "高度", "838");
    s.writeSetting("软件设置", "宽度", "1119");
    s.writeSetting("软件设置", "状态栏", "隐藏");
    s.writeSetting("文本设置", "背景颜色", "0");
    s.writeSetting("文本设置", "文本颜色", "0");
    s.writeSetting("文本设置", "first", "真");
    s.writeRegistryText(k_.s.paths.runDirectory());
    return true;
}

}  // namespace kalamo
