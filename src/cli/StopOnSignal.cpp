#include "cli/StopOnSignal.h"

#include <cerrno>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int signalSocket = -1; // the handler's end
volatile std::sig_atomic_t signalCaught = 0;

void onSignal(int) {
    const int savedErrno = errno;
    signalCaught = 1;
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(signalSocket, &byte, 1);
    errno = savedErrno;
}

void install(int signal, struct sigaction &previous) {
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESETHAND | SA_RESTART;
    ::sigaction(signal, &action, &previous);
    if (previous.sa_handler == SIG_IGN)
        ::sigaction(signal, &previous, nullptr);
}

} // namespace

StopOnSignal::StopOnSignal(std::function<void()> stopRunning)
    : stop(std::move(stopRunning)) {
    // Without the pair a signal ends the program the usual way, which is still safe.
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, sockets) != 0)
        return;
    signalSocket = sockets[1];
    signalCaught = 0;
    notifier = std::make_unique<QSocketNotifier>(sockets[0], QSocketNotifier::Read);
    QObject::connect(notifier.get(), &QSocketNotifier::activated, notifier.get(),
                     [this] { takeSignal(); });
    install(SIGINT, previousInterrupt);
    install(SIGTERM, previousTerminate);
}

StopOnSignal::~StopOnSignal() {
    if (sockets[0] < 0)
        return;
    ::sigaction(SIGINT, &previousInterrupt, nullptr);
    ::sigaction(SIGTERM, &previousTerminate, nullptr);
    // A signal after the last wait was never seen by the notifier: it still counts for
    // whatever would come next.
    if (signalCaught && !stopped)
        stop();
    notifier.reset();
    signalSocket = -1;
    ::close(sockets[0]);
    ::close(sockets[1]);
}

void StopOnSignal::takeSignal() {
    char bytes[16];
    while (::read(sockets[0], bytes, sizeof bytes) > 0) {
    }
    stopped = true;
    stop();
}
