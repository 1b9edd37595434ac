#include "cli/TerminalProgress.h"

#include <QString>

#include <unistd.h>

namespace {
constexpr int Width = 40;
}

TerminalProgress::TerminalProgress(QTextStream &stream, int maximumValue)
    : err(stream)
    , maximum(maximumValue > 0 ? maximumValue : 1)
    , enabled(::isatty(STDERR_FILENO) == 1) {}

TerminalProgress::~TerminalProgress() {
    if (!drawn)
        return;
    // Leave the line clean for whatever is printed next.
    err << '\r' << QString(Width + 8, QLatin1Char(' ')) << '\r';
    err.flush();
}

void TerminalProgress::show(int value) {
    if (!enabled)
        return;
    const int filled = qBound(0, value * Width / maximum, Width);
    err << "\r[" << QString(filled, QLatin1Char('#')) << QString(Width - filled, QLatin1Char(' '))
        << "] " << qBound(0, value * 100 / maximum, 100) << '%';
    err.flush();
    drawn = true;
}
