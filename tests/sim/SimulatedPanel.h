#pragma once

#include "link/CmdConvencional.h"
#include "link/PanelCore.h"
#include "link/SerialSettings.h"
#include "sim/PanelSimulator.h"
#include "sim/PtyPanel.h"

#include <QTest>

// A simulated panel on a real pseudo-terminal, run by the test's own event loop, and a
// model whose port is that terminal with short deadlines.
struct SimulatedPanel {
    PanelSimulator engine;
    PtyPanel line{&engine};

    bool open() {
        QString error;
        const bool opened = line.open(&error);
        if (!opened)
            qWarning() << error;
        return opened;
    }

    SerialSettings settings() const {
        SerialSettings s;
        s.name = line.slavePath();
        s.portSelected = true;
        return s;
    }

    void attach(PanelCore &core, int answerTimeoutMs = 300) const {
        core.setSerialSettings(settings());
        core.cmd->setAnswerTimeout(answerTimeoutMs);
    }
};
