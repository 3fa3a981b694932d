#include "ui/layouts/window_layout.h"

namespace kalamo {

const std::vector<const WindowSpec*>& OtherWindowLayouts() {
    static const std::vector<const WindowSpec*> layouts{
        &PasswordWindowLayout(), &FindWindowLayout(), &ReplaceWindowLayout(), &PhraseWindowLayout(),
        &StatisticsWindowLayout()};
    return layouts;
}

}  // namespace kalamo
