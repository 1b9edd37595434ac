#include "link/TransferProgress.h"

#include <algorithm>

void TransferProgress::start(int plannedExchanges, int maximumValue, Sink progressSink) {
    sink = std::move(progressSink);
    planned = std::max(1, plannedExchanges);
    maximum = maximumValue;
    done = 0;
    reported = -1;
    report(0);
}

void TransferProgress::step() {
    if (!sink)
        return;
    done = std::min(done + 1, planned);
    report(int(qint64(done) * maximum / planned));
}

void TransferProgress::finish() {
    report(maximum);
    stop();
}

void TransferProgress::stop() {
    sink = nullptr;
}

void TransferProgress::report(int value) {
    if (!sink || value <= reported)
        return;
    reported = value;
    sink(value);
}
