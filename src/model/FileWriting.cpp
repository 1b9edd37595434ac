#include "model/FileWriting.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <unistd.h>
#endif

namespace {

bool fail(QString *reason, const QString &why) {
    if (reason)
        *reason = why;
    return false;
}

// Unbuffered writes, so that a failure comes back from write() with the system's reason.
// A short write says no reason: the rest is written again, which fails with it.
bool writeAll(QFileDevice &file, const QByteArray &data) {
    qint64 done = 0;
    while (done < data.size()) {
        const qint64 written = file.write(data.constData() + done, data.size() - done);
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

} // namespace

bool FileWriting::writesInPlace(const QString &fileName) {
    const QFileInfo target(fileName);
    return target.exists() && !target.isFile() && !target.isDir();
}

bool FileWriting::write(const QString &fileName, const QByteArray &data, QString *reason) {
    if (writesInPlace(fileName)) {
        QFile device(fileName);
        if (!device.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || !writeAll(device, data))
            return fail(reason, device.errorString());
        return true;
    }

    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(reason, file.errorString());
    // Some file systems report a full disk only at fsync(); either way the new file must
    // not take the old one's place.
    bool written = writeAll(file, data);
    QString why = file.errorString();
#ifdef Q_OS_UNIX
    // A file system that cannot sync says so with EINVAL: no failure of the write.
    if (written && ::fsync(file.handle()) != 0 && errno != EINVAL) {
        written = false;
        why = qt_error_string(errno);
    }
#endif
    if (!written) {
        file.cancelWriting();
        return fail(reason, why);
    }
    if (!file.commit())
        return fail(reason, file.errorString());
    return true;
}
