#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class PanelCore;

// Copies of what a panel held before it was overwritten, as configuration files named
// by the time they were taken (UTC, so the names sort in time order). Only the newest
// Kept are kept; files in the folder that are not backups are never touched.
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
    // Saves `content` as a new backup, then removes all but the newest Kept.
    bool save(const PanelCore &content);

    QString lastBackup() const { return last; } // path of the one just saved
    QStringList backups() const;                // paths, newest first
    QString errorString() const { return error; }

private:
    QString folder;
    QString last;
    QString error;
};
