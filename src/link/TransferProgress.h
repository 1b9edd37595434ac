#pragma once

#include <QtGlobal>

#include <functional>

// Turns exchanges done into a progress value that only grows and reaches the maximum
// when the last planned exchange is done (or at finish()).
class TransferProgress {
public:
    using Sink = std::function<void(int)>;

    void start(int plannedExchanges, int maximum, Sink sink);
    void step();
    void finish();
    void stop();

private:
    void report(int value);

    Sink sink;
    int planned = 0;
    int done = 0;
    int maximum = 0;
    int reported = -1;
};
