#include "ui/qt/termination_relay.h"

#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <utility>

namespace kalamo {
namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};

// A signal handler can reach nothing but a global; this one is written once, before the
// handlers are installed, and read only by them.
volatile sig_atomic_t signalPipe = -1;

void OnSignal(int) {
    const int saved = errno;
    const char byte = 1;
    if (signalPipe >= 0) (void)!write(signalPipe, &byte, 1);
    errno = saved;
}

}  // namespace

TerminationRelay::TerminationRelay(std::function<void()> terminate)
    : terminate_(std::move(terminate)) {
    if (pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) return;
    signalPipe = pipe_[1];
    notifier_ = new QSocketNotifier(pipe_[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationRelay::onSignal);
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : kSignals) sigaction(signal, &action, nullptr);
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(app, &QGuiApplication::commitDataRequest, this, &TerminationRelay::onSessionEnding,
                Qt::DirectConnection);
}

TerminationRelay::~TerminationRelay() {
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    for (int signal : kSignals) sigaction(signal, &action, nullptr);
    signalPipe = -1;
    if (pipe_[0] >= 0) close(pipe_[0]);
    if (pipe_[1] >= 0) close(pipe_[1]);
}

void TerminationRelay::onSignal() {
    char bytes[64];
    while (read(pipe_[0], bytes, sizeof bytes) > 0) {
    }
    if (terminate_) terminate_();
}

// The session manager may not let us ask anything; the text is kept without a question.
void TerminationRelay::onSessionEnding(QSessionManager&) {
    if (terminate_) terminate_();
}

}  // namespace kalamo
