#pragma once

#include <QSocketNotifier>

#include <csignal>
#include <functional>
#include <memory>

// While it lives, SIGINT and SIGTERM ask `stop` to end what is running instead of ending
// the program: the handler only writes a byte to a socket pair, and a notifier on the
// other end calls `stop` from the event loop (a transfer's waits run one). Each handler
// is reset by its own signal, so a second Ctrl-C ends the program at once the usual way.
// A signal ignored when it was set up (a background job) stays ignored.
class StopOnSignal {
public:
    explicit StopOnSignal(std::function<void()> stop);
    ~StopOnSignal();
    StopOnSignal(const StopOnSignal &) = delete;
    StopOnSignal &operator=(const StopOnSignal &) = delete;

private:
    void takeSignal();

    std::function<void()> stop;
    int sockets[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> notifier;
    struct sigaction previousInterrupt {};
    struct sigaction previousTerminate {};
    bool stopped = false;
};
