#pragma once

#include <QCoreApplication>
#include <QList>

class EditHistory;
class MyMainWindow;
class QAction;
class QMenu;
class QObject;

// The main window's menus, tool bar and actions: built once, each action named and
// connected to its slot of the window, and given its text again after a language change.
class WindowMenus {
    Q_DECLARE_TR_FUNCTIONS(WindowMenus)

public:
    void create(MyMainWindow *window);
    void retranslate();

    QMenu *languageMenu() const { return language; }
    bool verifyAfterUpload() const;

private:
    template <class Slot>
    QAction *add(QMenu *menu, const char *text, const char *name, MyMainWindow *window, Slot slot);

    struct Text {
        QObject *item; // a menu, an action or the tool bar
        const char *text;
    };
    QList<Text> texts;
    QMenu *language = nullptr;
    QAction *verify = nullptr;
    EditHistory *history = nullptr; // names the Edit menu's Undo and Redo
};
