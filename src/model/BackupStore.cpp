#include "BackupStore.h"

#include "ConfigurationFingerprint.h"
#include "FileWriting.h"
#include "MyXMLWriter.h"
#include "PanelCore.h"
#include "XmlConfigReader.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>

namespace {

// panel-20261206-140512-123Z.xml, or with _01.._99 when that name is taken.
const QRegularExpression &backupName() {
    static const QRegularExpression name(
        QStringLiteral("^panel-\\d{8}-\\d{6}-\\d{3}Z(_\\d{2})?\\.xml$"));
    return name;
}

// Names the newest backup at the last successful upload.
const QString UploadMarker = QStringLiteral("last-upload");

// The fingerprint counts a password only as set or not set; a backup must keep it.
bool samePanelContent(const PanelCore &a, const PanelCore &b) {
    const QString fingerprint = ConfigurationFingerprint::of(a);
    return !fingerprint.isEmpty() && fingerprint == ConfigurationFingerprint::of(b) &&
           a.webServer.Pass == b.webServer.Pass && a.smtp.Password == b.smtp.Password;
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
    // Retries of a failing upload would otherwise fill the folder with one content.
    const QStringList before = backups();
    PanelCore newest;
    if (!before.isEmpty() && XmlConfigReader::readFile(before.first(), &newest) &&
        samePanelContent(newest, content)) {
        last = before.first();
        return true;
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
    const QStringList keep = kept(all);
    for (const QString &backup : all) {
        if (!keep.contains(backup))
            QFile::remove(backup);
    }
    return true;
}

QStringList BackupStore::kept(const QStringList &all) const {
    QStringList keep = all.mid(0, Kept);
    // Names sort in time order, so the marker's name places the upload among them.
    QFile marker(QDir(folder).filePath(UploadMarker));
    const QString uploaded = marker.open(QIODevice::ReadOnly)
                                 ? QString::fromUtf8(marker.readLine(256)).trimmed()
                                 : QString();
    const auto before = std::find_if(all.cbegin(), all.cend(), [&](const QString &path) {
        return QFileInfo(path).fileName() <= uploaded;
    });
    if (before != all.cend())
        keep << *before;
    if (before != all.cbegin())
        keep << *(before - 1); // the first one after
    return keep;
}

bool BackupStore::recordSuccessfulUpload() {
    error.clear();
    const QStringList all = backups();
    const QByteArray newest =
        all.isEmpty() ? QByteArray() : QFileInfo(all.first()).fileName().toUtf8() + '\n';
    QString reason;
    if (!FileWriting::write(QDir(folder).filePath(UploadMarker), newest, &reason)) {
        error = tr("cannot record the upload in the backup folder: %1").arg(reason);
        return false;
    }
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
