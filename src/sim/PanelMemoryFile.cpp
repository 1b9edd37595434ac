#include "PanelMemoryFile.h"

#include <QFile>
#include <QSaveFile>

bool PanelMemoryFile::load(const QString &fileName, QMap<int, QByteArray> &memory, QString *error) {
    QFile file(fileName);
    if (!file.exists()) {
        memory.clear(); // a new panel
        return true;
    }
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = tr("cannot read %1: %2").arg(fileName, file.errorString());
        return false;
    }
    QMap<int, QByteArray> read;
    int line = 0;
    while (!file.atEnd()) {
        ++line;
        const QList<QByteArray> fields = file.readLine().simplified().split(' ');
        if (fields.size() == 1 && fields.first().isEmpty())
            continue;
        bool tableOk = false;
        bool recordOk = false;
        const int table = fields.value(0).toInt(&tableOk);
        const int record = fields.value(1).toInt(&recordOk);
        const QByteArray data = QByteArray::fromHex(fields.value(2));
        if (fields.size() != 3 || !tableOk || !recordOk || table < 0 || table > 255 || record < 0 ||
            record > 255 || data.size() != 16) {
            *error = tr("%1 line %2: expected \"table record\" and 32 hex digits")
                         .arg(fileName)
                         .arg(line);
            return false;
        }
        read.insert(table * 256 + record, data);
    }
    memory = read;
    return true;
}

bool PanelMemoryFile::save(const QString &fileName, const QMap<int, QByteArray> &memory,
                           QString *error) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        *error = tr("cannot write %1: %2").arg(fileName, file.errorString());
        return false;
    }
    for (auto it = memory.cbegin(); it != memory.cend(); ++it)
        file.write(QByteArray::number(it.key() / 256) + ' ' + QByteArray::number(it.key() % 256) +
                   ' ' + it.value().toHex() + '\n');
    if (!file.commit()) {
        *error = tr("cannot write %1: %2").arg(fileName, file.errorString());
        return false;
    }
    return true;
}
