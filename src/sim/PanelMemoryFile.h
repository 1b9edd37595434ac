#pragma once

#include "images/PanelRecords.h"

#include <QCoreApplication>
#include <QString>

// The simulator's memory on disk, as panel records text (PanelRecordsText). A file that
// does not exist is a new panel, with nothing written yet.
class PanelMemoryFile {
    Q_DECLARE_TR_FUNCTIONS(PanelMemoryFile)

public:
    static bool load(const QString &fileName, PanelRecords &memory, QString *error);
    static bool save(const QString &fileName, const PanelRecords &memory, QString *error);
};
