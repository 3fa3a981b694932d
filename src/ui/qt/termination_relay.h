#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;
class QSessionManager;

namespace kalamo {

// Turns SIGTERM, SIGHUP and SIGINT, and the end of the desktop session, into one call made
// from the event loop. The signal handler only writes a byte to a pipe; everything else
// happens later, on the GUI thread, where the program may safely save.
class TerminationRelay : public QObject {
    Q_OBJECT
  public:
    explicit TerminationRelay(std::function<void()> terminate);
    ~TerminationRelay() override;
    TerminationRelay(const TerminationRelay&) = delete;
    TerminationRelay& operator=(const TerminationRelay&) = delete;

  private:
    void onSignal();
    void onSessionEnding(QSessionManager& manager);

    std::function<void()> terminate_;
    int pipe_[2] = {-1, -1};
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace kalamo
