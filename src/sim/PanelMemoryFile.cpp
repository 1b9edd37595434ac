#include "sim/PanelMemoryFile.h"

#include "images/PanelRecordsText.h"
#include "model/FileWriting.h"

#include <QFile>

bool PanelMemoryFile::load(const QString &fileName, PanelRecords &memory, QString *error) {
    QFile file(fileName);
    if (!file.exists()) {
        memory = PanelRecords();
        return true;
    }
    QString reason;
    if (!file.open(QIODevice::ReadOnly))
        reason = file.errorString();
    else if (PanelRecordsText::decode(file.readAll(), memory, &reason))
        return true;
    *error = tr("cannot read %1: %2").arg(fileName, reason);
    return false;
}

bool PanelMemoryFile::save(const QString &fileName, const PanelRecords &memory, QString *error) {
    QString reason;
    if (FileWriting::write(fileName, PanelRecordsText::encode(memory), &reason))
        return true;
    *error = tr("cannot write %1: %2").arg(fileName, reason);
    return false;
}
