#include "BackupStore.h"

#include "MyXMLWriter.h"
#include "PanelCore.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

// panel-20261206-140512-123Z.xml, or with _01.._99 when that name is taken.
const QRegularExpression &backupName() {
    static const QRegularExpression name(
        QStringLiteral("^panel-\\d{8}-\\d{6}-\\d{3}Z(_\\d{2})?\\.xml$"));
    return name;
}

} // namespace

QString BackupStore::defaultDirectory() {
    // Not AppDataLocation: it holds the program's name, and the desktop application and
    // mrb500ctl must find each other's backups and share one limit.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/mrb500-configurator/backups");
}

BackupStore::BackupStore(const QString &directory)
    : folder(directory) {}

bool BackupStore::backUpPanel(PanelCore &link, PanelCore &panelContent) {
    error.clear();
    last.clear();
    PanelCore content;
    content.num_zones = link.num_zones;
    content.elements = link.elements;
    for (auto it = link.zoneNames().cbegin(); it != link.zoneNames().cend(); ++it)
        content.setZoneName(it.key(), it.value());
    if (!link.downloadConfigInto(content)) {
        error = tr("cannot read the panel for a backup: %1").arg(link.transferError());
        return false;
    }
    panelContent.copyConfigurationFrom(content);
    return save(content);
}

bool BackupStore::save(const PanelCore &content) {
    error.clear();
    last.clear();
    QDir dir(folder);
    // Backups hold the panel's passwords: for this user's eyes only.
    if (folder.isEmpty() || !dir.mkpath(QStringLiteral(".")) ||
        !QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)) {
        error = tr("cannot create the backup folder %1").arg(QDir::toNativeSeparators(folder));
        return false;
    }
    const QString stamp =
        QStringLiteral("panel-") +
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz")) +
        QLatin1Char('Z');
    QString name = stamp + QStringLiteral(".xml");
    for (int n = 1; dir.exists(name); ++n) {
        if (n > 99) {
            error = tr("too many backups at the same moment in %1")
                        .arg(QDir::toNativeSeparators(folder));
            return false;
        }
        name = stamp + QStringLiteral("_%1.xml").arg(n, 2, 10, QLatin1Char('0'));
    }
    const QString path = dir.filePath(name);
    MyXMLWriter writer(&content);
    if (!writer.writeFile(path)) {
        error = tr("cannot save the backup: %1").arg(writer.errorString());
        return false;
    }
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    last = path;
    const QStringList all = backups();
    for (qsizetype i = Kept; i < all.size(); ++i)
        QFile::remove(all.at(i));
    return true;
}

QStringList BackupStore::backups() const {
    QStringList names = QDir(folder).entryList(QDir::Files, QDir::Name | QDir::Reversed);
    QStringList paths;
    for (const QString &name : names) {
        if (backupName().match(name).hasMatch())
            paths << QDir(folder).filePath(name);
    }
    return paths;
}
