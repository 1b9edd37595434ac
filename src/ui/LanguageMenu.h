#pragma once

#include <QString>
#include <QTranslator>

class QActionGroup;
class QMenu;
class QObject;

// The languages of the window: the Language submenu, one checkable action per translation
// found, and the translators of the program and of Qt's own texts that the chosen one
// installs.
class LanguageMenu {
public:
    // Fills `menu`; the actions belong to `owner`. Their group says which one is chosen.
    QActionGroup *fill(QMenu *menu, QObject *owner);
    // Installs the translations of `code`; nothing when it is already the language.
    void load(const QString &code);
    QString current() const { return currentCode; }

    // Replaces `translator` by the translation `file`; none stays installed when it cannot
    // be read, and the texts fall back to their source language.
    static void switchTranslator(QTranslator &translator, const QString &file);

private:
    QTranslator translator;
    QTranslator qtTranslator;
    QString currentCode;
    QActionGroup *group = nullptr;
};
