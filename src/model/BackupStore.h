#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class PanelCore;

// Copies of what a panel held before it was overwritten, as configuration files named
// by the time they were taken (UTC, so the names sort in time order). A copy equal to the
// newest is not stored again, and only the newest Kept are kept, but retries of a failing
// upload must not push out the copy that matters: the last one taken before the last
// successful upload, and the first one taken after it (the panel as that upload left
// it; before any upload succeeded, the oldest) always stay. Files in the folder that are
// not backups are never touched.
class BackupStore {
    Q_DECLARE_TR_FUNCTIONS(BackupStore)

public:
    static constexpr int Kept = 20;

    // "mrb500-configurator/backups" in the user's data folder, the same for every program.
    static QString defaultDirectory();

    explicit BackupStore(const QString &directory = defaultDirectory());
    QString directory() const { return folder; }

    // Reads the panel through `link`'s port into `panelContent` and saves that. The
    // panel holds no zones, boards or zone names: they are taken from `link`, so the
    // backup opens as a usable configuration of the same installation. `link` itself is
    // not changed; its linkTrace() holds the read.
    bool backUpPanel(PanelCore &link, PanelCore &panelContent);
    // Saves `content` as a new backup unless the newest holds the same, then removes the
    // old ones that need not stay. False, with the reason, unless the whole file was written.
    bool save(const PanelCore &content);
    // To be called when an upload succeeded: the newest backup is the one taken before it.
    bool recordSuccessfulUpload();

    QString lastBackup() const { return last; } // path of the one saved, or found equal
    QStringList backups() const;                // paths, newest first
    QString errorString() const { return error; }

private:
    QStringList kept(const QStringList &all) const;

    QString folder;
    QString last;
    QString error;
};
