#include "ui/LastFolder.h"

#include "ui/UserDialogs.h"

#include <QDir>
#include <QFileInfo>

void LastFolder::setPath(const QString &path) {
    if (!path.isEmpty() && QFileInfo(path).isDir())
        folder = path;
}

QString LastFolder::openFileName(QWidget *parent, const QString &caption, const QString &filter) {
    return remember(UserDialogs::current().openFileName(parent, caption, folder, filter));
}

QString LastFolder::saveFileName(QWidget *parent, const QString &caption, const QString &filter,
                                 const QString &suffix, const QString &suggested) {
    const QString start = suggested.isEmpty() ? folder : QDir(folder).filePath(suggested);
    return remember(
        UserDialogs::current().saveFileNameWithSuffix(parent, caption, start, filter, suffix));
}

QString LastFolder::remember(const QString &chosen) {
    if (!chosen.isEmpty())
        setPath(QFileInfo(chosen).absolutePath());
    return chosen;
}
