#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

// The program's translations: lang_<code>.qm files in languages/ beside the executable in a
// build tree, else in the installed data folder. English is the fallback wherever the
// system's language has none.
class LanguageCatalog {
public:
    static QString directory();
    static QStringList codes(); // "en", "es", sorted
    // The locale's language when there is a translation for it, else "en".
    static QString defaultCode(const QLocale &locale = QLocale::system());
    static QString fileName(const QString &code) { return QStringLiteral("lang_%1.qm").arg(code); }
};
