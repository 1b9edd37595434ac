#include "commissioning/BackupStore.h"

#include "images/PanelRecordsText.h"
#include "model/FileWriting.h"
#include "model/MyXMLWriter.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>

namespace {

const QString RecordsSuffix = QStringLiteral(".records");
const QString ViewSuffix = QStringLiteral(".xml");

// panel-20261206-140512-123Z.records, or with _01.._99 when that name is taken.
const QRegularExpression &backupName() {
    static const QRegularExpression name(
        QStringLiteral("^panel-\\d{8}-\\d{6}-\\d{3}Z(_\\d{2})?\\.records$"));
    return name;
}

// Names the newest backup at the last successful upload.
const QString UploadMarker = QStringLiteral("last-upload");

// A backup is small; anything much larger is not one.
constexpr qint64 MaxRecordsFileSize = 1024 * 1024;

// As a shell reads it, so that the command can be pasted as it stands.
QString shellWord(const QString &word) {
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_./:@%+=,-]+$"));
    if (plain.match(word).hasMatch())
        return word;
    QString quoted = word;
    quoted.replace(QLatin1Char('\''), QLatin1String("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
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

bool BackupStore::save(const PanelConfiguration &content, const PanelRecords &records) {
    error.clear();
    last.clear();
    missingView.clear();
    QDir dir(folder);
    // Backups hold the panel's passwords: for this user's eyes only.
    if (folder.isEmpty() || !dir.mkpath(QStringLiteral(".")) ||
        !QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)) {
        error = tr("cannot create the backup folder %1").arg(QDir::toNativeSeparators(folder));
        return false;
    }
    // Retries of a failing upload would otherwise fill the folder with one content.
    const QStringList before = backups();
    PanelRecords newest;
    if (!before.isEmpty() && read(before.first(), newest, nullptr) && newest == records) {
        last = before.first();
        if (!QFileInfo::exists(viewOf(last)))
            writeView(content, last);
        return true;
    }
    const QString stamp =
        QStringLiteral("panel-") +
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz")) +
        QLatin1Char('Z');
    QString stem = stamp;
    for (int n = 1; dir.exists(stem + RecordsSuffix) || dir.exists(stem + ViewSuffix); ++n) {
        if (n > 99) {
            error = tr("too many backups at the same moment in %1")
                        .arg(QDir::toNativeSeparators(folder));
            return false;
        }
        stem = stamp + QStringLiteral("_%1").arg(n, 2, 10, QLatin1Char('0'));
    }
    const QString path = dir.filePath(stem + RecordsSuffix);
    QString reason;
    if (!FileWriting::write(path, PanelRecordsText::encode(records), &reason)) {
        error = tr("cannot save the backup: cannot write %1: %2")
                    .arg(QDir::toNativeSeparators(path), reason);
        return false;
    }
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    last = path;
    writeView(content, path);
    const QStringList all = backups();
    const QStringList keep = kept(all);
    for (const QString &backup : all) {
        if (keep.contains(backup))
            continue;
        QFile::remove(viewOf(backup));
        QFile::remove(backup);
    }
    return true;
}

void BackupStore::writeView(const PanelConfiguration &content, const QString &recordsFile) {
    // The records are the backup; a panel may hold what no XML file can carry.
    MyXMLWriter writer(&content);
    if (writer.writeFile(viewOf(recordsFile)))
        QFile::setPermissions(viewOf(recordsFile), QFile::ReadOwner | QFile::WriteOwner);
    else
        missingView = writer.errorString();
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

QString BackupStore::viewOf(const QString &recordsFile) {
    const QFileInfo info(recordsFile);
    return info.dir().filePath(info.completeBaseName() + ViewSuffix);
}

bool BackupStore::read(const QString &backup, PanelRecords &records, QString *reason) {
    const QFileInfo given(backup);
    // A view stands for the records beside it: only they hold every byte.
    const QString recordsFile = given.suffix().compare(ViewSuffix.mid(1), Qt::CaseInsensitive) == 0
                                    ? given.dir().filePath(given.completeBaseName() + RecordsSuffix)
                                    : backup;
    QFile file(recordsFile);
    QString why;
    if (!file.open(QIODevice::ReadOnly))
        why = file.errorString();
    else if (file.size() > MaxRecordsFileSize)
        why = tr("larger than a backup can be");
    else if (PanelRecordsText::decode(file.readAll(), records, &why))
        return true;
    if (reason)
        *reason =
            recordsFile == backup
                ? tr("cannot read the backup %1: %2").arg(QDir::toNativeSeparators(backup), why)
                : tr("cannot read the backup %1: its panel records %2: %3")
                      .arg(QDir::toNativeSeparators(backup), QDir::toNativeSeparators(recordsFile),
                           why);
    return false;
}

QString BackupStore::partlyWrittenAdvice(const QString &backup, const QString &port) {
    if (backup.isEmpty())
        return tr("The panel is now only partly written: it holds part of its previous "
                  "configuration and part of the new one. No backup of it was taken, so the "
                  "configuration must be uploaded again.");
    return tr("The panel is now only partly written: it holds part of its previous "
              "configuration and part of the new one. To put back what it held before, from "
              "the backup, run: mrb500ctl restore %1 --port %2")
        .arg(shellWord(QDir::toNativeSeparators(backup)), shellWord(port));
}
