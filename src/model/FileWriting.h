#pragma once

#include <QCoreApplication>
#include <QString>

class QByteArray;

// Writes a whole file so that a failure is never taken for success. QSaveFile alone is not
// enough: its commit() renames the new file into place even when flushing the last
// buffered bytes failed (a full disk), and it replaces a device such as /dev/full with a
// regular file where it may.
class FileWriting {
    Q_DECLARE_TR_FUNCTIONS(FileWriting)

public:
    // Replaces `fileName` with `data`, or writes a device or pipe in place. True only when
    // every byte reached it; otherwise a file keeps its previous content and `reason` says
    // why (the system's words).
    static bool write(const QString &fileName, const QByteArray &data, QString *reason);

    // A device, pipe or socket: written in place, as it cannot be replaced.
    static bool writesInPlace(const QString &fileName);
};
