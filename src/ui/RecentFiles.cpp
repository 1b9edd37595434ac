#include "ui/RecentFiles.h"

#include "ui/UserDialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>

RecentFiles::RecentFiles(QWidget *window)
    : window(window) {}

void RecentFiles::showIn(QMenu *shownIn) {
    menu = shownIn;
    menu->setToolTipsVisible(true);
    rebuild();
}

void RecentFiles::setFiles(const QStringList &files) {
    list.clear();
    for (const QString &file : files) {
        const QString path = QFileInfo(file).absoluteFilePath();
        if (!file.isEmpty() && !list.contains(path) && list.size() < Maximum)
            list << path;
    }
    rebuild();
}

void RecentFiles::add(const QString &file) {
    const QString path = QFileInfo(file).absoluteFilePath();
    list.removeAll(path);
    list.prepend(path);
    while (list.size() > Maximum)
        list.removeLast();
    rebuild();
}

void RecentFiles::clear() {
    list.clear();
    rebuild();
}

void RecentFiles::choose(const QString &file) {
    if (QFileInfo::exists(file)) {
        Q_EMIT chosen(file);
        return;
    }
    list.removeAll(file);
    rebuild();
    UserDialogs::current().reportFailure(
        window, tr("Recent files"), tr("Could not open %1.").arg(QDir::toNativeSeparators(file)),
        tr("The file no longer exists; it was removed from the recent files."));
}

void RecentFiles::rebuild() {
    if (!menu)
        return;
    // Later: the entry being chosen may be one of them.
    for (QAction *entry : std::as_const(entries)) {
        menu->removeAction(entry);
        entry->deleteLater();
    }
    entries.clear();
    QAction *before = menu->actions().value(0);
    for (int i = 0; i < list.size(); ++i) {
        const QString file = list.at(i);
        QString name = QFileInfo(file).fileName().replace(QLatin1Char('&'), QStringLiteral("&&"));
        auto *entry = new QAction(QStringLiteral("&%1 %2").arg(QString::number(i + 1), name), menu);
        entry->setToolTip(QDir::toNativeSeparators(file));
        connect(entry, &QAction::triggered, this, [this, file] { choose(file); });
        menu->insertAction(before, entry);
        entries << entry;
    }
    menu->menuAction()->setEnabled(!list.isEmpty());
}
