#pragma once

#include <string>
#include <vector>

#include "ui/layouts/window_layout.h"

class QLabel;
class QStatusBar;

namespace kalamo {

// The parts of a status bar: one label each, a fixed width or (-1) the rest of the bar.
// Texts are GBK; a part that does not exist reads empty and ignores writes.
class StatusParts {
  public:
    StatusParts(QStatusBar& bar, const std::vector<StatusPartSpec>& parts);

    int count() const { return static_cast<int>(labels_.size()); }
    std::string text(int part) const;
    void setText(int part, const std::string& gbk);
    int width(int part) const;
    void setWidth(int part, int width);
    QLabel* label(int part) const {
        return has(part) ? labels_[static_cast<std::size_t>(part)] : nullptr;
    }

  private:
    bool has(int part) const { return part >= 0 && part < count(); }

    QStatusBar& bar_;
    std::vector<QLabel*> labels_;
    std::vector<int> widths_;
};

}  // namespace kalamo
