#include "model/LanguageCatalog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString LanguageCatalog::directory() {
    const QDir program(QCoreApplication::applicationDirPath());
    const QString buildTree = program.filePath(QStringLiteral("languages"));
    if (QFileInfo(buildTree).isDir())
        return buildTree;
    // Relative to the program, so that a package installed under any prefix finds them.
    return QDir::cleanPath(program.filePath(QStringLiteral(MRB500_TRANSLATIONS_FROM_PROGRAM)));
}

QStringList LanguageCatalog::codes() {
    QStringList out;
    const QStringList files =
        QDir(directory()).entryList({QStringLiteral("lang_*.qm")}, QDir::Files, QDir::Name);
    for (const QString &file : files)
        out << file.mid(5, file.size() - 8); // lang_XX.qm
    return out;
}

QString LanguageCatalog::defaultCode(const QLocale &locale) {
    // "es_ES" -> "es"
    const QString name = locale.name();
    const QString language = name.left(name.indexOf(QLatin1Char('_')));
    return codes().contains(language) ? language : QStringLiteral("en");
}
