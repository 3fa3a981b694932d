#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringList>
#include <QTest>
#include <QtGlobal>
#include <functional>
#include <string>
#include <vector>

#include "base/gbk.h"
#include "ui/ui_event.h"

namespace kalamo::test {

// GBK bytes of a UTF-8 literal: the tests are compiled as UTF-8, the logic speaks GBK.
inline std::string G(const char* utf8) {
    return Utf8ToGbk(utf8);
}

// Runs the event loop until `done` holds or the time is up.
inline bool WaitFor(const std::function<bool()>& done, int milliseconds = 3000) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > milliseconds) return false;
        QTest::qWait(5);
    }
    return true;
}

// Collects warnings while alive; every message still reaches the usual handler. Qt takes
// a plain function, hence the one live log kept in a static.
class WarningLog {
  public:
    WarningLog() {
        live_ = this;
        previous_ = qInstallMessageHandler(&WarningLog::handle);
    }
    ~WarningLog() {
        qInstallMessageHandler(previous_);
        live_ = nullptr;
    }
    QStringList lines;

  private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (type == QtWarningMsg && live_) live_->lines.append(text);
        if (live_ && live_->previous_) live_->previous_(type, context, text);
    }
    static inline WarningLog* live_ = nullptr;
    QtMessageHandler previous_ = nullptr;
};

class RecordingSink : public EventSink {
  public:
    void handle(const UiEvent& event) override { events.push_back(event); }

    std::vector<UiEvent> of(EventKind kind) const {
        std::vector<UiEvent> found;
        for (const UiEvent& e : events)
            if (e.kind == kind) found.push_back(e);
        return found;
    }
    // Key presses other than those of Shift, Ctrl and Alt on their own, which a key
    // combination presses first.
    std::vector<UiEvent> keys() const {
        std::vector<UiEvent> found;
        for (const UiEvent& e : of(EventKind::KeyPress))
            if (e.key < 16 || e.key > 18) found.push_back(e);
        return found;
    }
    // The controls (or menu items) named by events of one kind, in order.
    std::vector<std::string> names(EventKind kind) const {
        std::vector<std::string> found;
        for (const UiEvent& e : of(kind)) found.push_back(GbkToUtf8(e.control));
        return found;
    }

    std::vector<UiEvent> events;
};

}  // namespace kalamo::test
