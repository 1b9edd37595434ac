#include "ui/UserDialogs.h"

#include "ui/QtUserDialogs.h"

#include <QDir>
#include <QFileInfo>

namespace {
UserDialogs *installed = nullptr;
}

UserDialogs &UserDialogs::current() {
    static QtUserDialogs standard;
    return installed ? *installed : standard;
}

void UserDialogs::install(UserDialogs *dialogs) {
    installed = dialogs;
}

QString UserDialogs::saveFileNameWithSuffix(QWidget *parent, const QString &caption,
                                            const QString &dir, const QString &filter,
                                            const QString &suffix) {
    const QString typed = saveFileName(parent, caption, dir, filter);
    if (typed.isEmpty() || QFileInfo(typed).suffix().compare(suffix, Qt::CaseInsensitive) == 0)
        return typed;
    const QString name = typed + QLatin1Char('.') + suffix;
    // The dialog asked about the name as typed, not about this one.
    if (QFileInfo::exists(name) && !askYesNo(parent, caption,
                                             tr("%1 already exists. Do you want to replace it?")
                                                 .arg(QDir::toNativeSeparators(name))))
        return {};
    return name;
}
