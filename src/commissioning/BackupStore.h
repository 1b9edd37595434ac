#pragma once

#include "images/PanelRecords.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class PanelConfiguration;

// Copies of what a panel held before it was overwritten, named by the time they were
// taken (UTC, so the names sort in time order). A backup is the panel's records as read,
// byte for byte (panel-....records, PanelRecordsText), with an XML view of the same stem
// beside it for opening in the configurator; a view that no XML file can carry is left
// out and the backup still counts. A copy holding the same records as the newest is not
// stored again, and only the newest Kept are kept, but retries of a failing upload must
// not push out the copy that matters: the last one taken before the last successful
// upload, and the first one taken after it (the panel as that upload left it; before any
// upload succeeded, the oldest) always stay. Files in the folder that are not backups
// are never touched.
class BackupStore {
    Q_DECLARE_TR_FUNCTIONS(BackupStore)

public:
    static constexpr int Kept = 20;

    // "mrb500-configurator/backups" in the user's data folder, the same for every program.
    static QString defaultDirectory();

    explicit BackupStore(const QString &directory = defaultDirectory());
    QString directory() const { return folder; }

    // Saves `records`, as read from a panel, and `content`, decoded from them, as its view;
    // unless the newest backup holds the same records. Then removes the old ones that
    // need not stay. False, with the reason, unless the whole records file was written.
    bool save(const PanelConfiguration &content, const PanelRecords &records);
    // To be called when an upload succeeded: the newest backup is the one taken before it.
    bool recordSuccessfulUpload();

    QString lastBackup() const { return last; } // records file of the one saved, or found equal
    // Why the last backup has no XML view; empty when it has one.
    QString viewProblem() const { return missingView; }
    QStringList backups() const; // records files, newest first
    QString errorString() const { return error; }

    static QString viewOf(const QString &recordsFile);
    // The records of a backup given by its records file or by its XML view; false, with
    // the reason, when they cannot be read.
    static bool read(const QString &backup, PanelRecords &records, QString *reason);

    // What to tell the user after an upload or restore that left the panel partly
    // written: what it holds, and the command that puts back `backup` through `port`
    // (no backup: upload again).
    static QString partlyWrittenAdvice(const QString &backup, const QString &port);

private:
    QStringList kept(const QStringList &all) const;
    void writeView(const PanelConfiguration &content, const QString &recordsFile);

    QString folder;
    QString last;
    QString missingView;
    QString error;
};
