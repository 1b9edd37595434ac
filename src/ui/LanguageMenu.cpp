#include "ui/LanguageMenu.h"

#include "model/InternalDiagnostics.h"
#include "model/LanguageCatalog.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QMenu>

QActionGroup *LanguageMenu::fill(QMenu *menu, QObject *owner) {
    group = new QActionGroup(owner);
    group->setExclusive(true);
    for (const QString &code : LanguageCatalog::codes()) {
        auto *action = new QAction(QLocale::languageToString(QLocale(code).language()), owner);
        action->setCheckable(true);
        action->setData(code);
        action->setObjectName(QStringLiteral("language_") + code);
        menu->addAction(action);
        group->addAction(action);
        action->setChecked(code == currentCode);
    }
    return group;
}

void LanguageMenu::load(const QString &code) {
    if (code == currentCode)
        return;
    currentCode = code;
    QLocale::setDefault(QLocale(code));
    qCDebug(internalDiagnostics) << "rLanguage: " << code;
    // Qt's own texts (standard buttons) follow the application's language.
    QCoreApplication::removeTranslator(&qtTranslator);
    if (qtTranslator.load(QLocale(code), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTranslator);
    switchTranslator(translator, LanguageCatalog::fileName(code));
    if (group) {
        for (QAction *action : group->actions())
            action->setChecked(action->data().toString() == code);
    }
}

void LanguageMenu::switchTranslator(QTranslator &translator, const QString &file) {
    QCoreApplication::removeTranslator(&translator);
    if (translator.load(file, LanguageCatalog::directory()))
        QCoreApplication::installTranslator(&translator);
}
