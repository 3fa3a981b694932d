#pragma once

#include "ui/ui_event.h"

namespace kalamo {

// Hands events from the widgets to the logic; before the logic is attached they are dropped.
class EventRelay {
  public:
    void setSink(EventSink* sink) { sink_ = sink; }
    void send(const UiEvent& event) const {
        if (sink_) sink_->handle(event);
    }

  private:
    EventSink* sink_ = nullptr;
};

}  // namespace kalamo
