#pragma once

#include <QCoreApplication>
#include <QMap>
#include <QString>

// The simulator's memory on disk: one line per record, "table record hex".
class PanelMemoryFile {
    Q_DECLARE_TR_FUNCTIONS(PanelMemoryFile)

public:
    static bool load(const QString &fileName, QMap<int, QByteArray> &memory, QString *error);
    static bool save(const QString &fileName, const QMap<int, QByteArray> &memory, QString *error);
};
