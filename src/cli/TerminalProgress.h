#pragma once

#include <QTextStream>

// A progress bar on standard error, drawn only when standard error is a terminal.
class TerminalProgress {
public:
    TerminalProgress(QTextStream &err, int maximum);
    ~TerminalProgress();

    void show(int value);

private:
    QTextStream &err;
    int maximum;
    bool enabled;
    bool drawn = false;
};
