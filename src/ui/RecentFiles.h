#pragma once

#include <QList>
#include <QObject>
#include <QStringList>

class QAction;
class QMenu;
class QWidget;

// The configuration files opened or saved last, newest first, as entries of a menu: each
// shows the file's name, and its full path as a tooltip. An entry whose file is gone is
// removed when chosen, with a message; any other is offered to be opened.
class RecentFiles : public QObject {
    Q_OBJECT

public:
    static constexpr int Maximum = 8;

    // `window` is the parent of the message.
    explicit RecentFiles(QWidget *window);

    // The entries go above what `menu` already holds (the clear action); the menu is
    // disabled while the list is empty.
    void showIn(QMenu *menu);
    QStringList files() const { return list; }
    void setFiles(const QStringList &files);
    // To the top of the list; the oldest beyond the maximum leaves it.
    void add(const QString &file);
    void clear();

Q_SIGNALS:
    void chosen(const QString &file);

private:
    void choose(const QString &file);
    void rebuild();

    QWidget *window;
    QStringList list;
    QMenu *menu = nullptr;
    QList<QAction *> entries;
};
