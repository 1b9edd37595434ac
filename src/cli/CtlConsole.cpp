#include "cli/CtlConsole.h"

#include "link/LinkTrace.h"
#include "model/FileWriting.h"
#include "model/LanguageCatalog.h"
#include "model/PanelConfiguration.h"

#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>

#include <cstdio>

CtlConsole::CtlConsole()
    : out(stdout)
    , err(stderr) {}

void CtlConsole::printError(const QString &reason) {
    err << "mrb500ctl: " << reason.simplified() << '\n';
    err.flush();
}

int CtlConsole::usageError(const QString &reason) {
    printError(reason);
    return UsageError;
}

QString CtlConsole::sentences(const QString &first, const QString &second) {
    return first.endsWith(QLatin1Char('.')) ? first + QLatin1Char(' ') + second
                                            : first + QStringLiteral(". ") + second;
}

bool CtlConsole::installLanguage(const QString &code) {
    QCoreApplication::removeTranslator(&programTranslation);
    QCoreApplication::removeTranslator(&qtTranslation);
    QLocale::setDefault(QLocale(code));
    // Without its catalogue the output would mix English and Spanish source texts.
    if (!programTranslation.load(LanguageCatalog::fileName(code), LanguageCatalog::directory())) {
        printError(
            tr("cannot read the translation %1")
                .arg(QDir::toNativeSeparators(LanguageCatalog::directory() + QLatin1Char('/') +
                                              LanguageCatalog::fileName(code))));
        return false;
    }
    QCoreApplication::installTranslator(&programTranslation);
    // Qt's own texts (parse errors, the help's headings), where Qt has them.
    if (qtTranslation.load(QLocale(code), QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTranslation);
    return true;
}

bool CtlConsole::load(const QString &fileName, PanelConfiguration &core,
                      XmlConfigReader::Notes *notes) {
    QString reason;
    if (XmlConfigReader::readFile(fileName, &core, &reason, notes))
        return true;
    printError(reason);
    return false;
}

bool CtlConsole::writableTarget(const QString &fileName) {
    const QFileInfo target(fileName);
    // A file is replaced through its folder; a device is written in place.
    const QFileInfo writtenThrough =
        FileWriting::writesInPlace(fileName) ? target : QFileInfo(target.absolutePath());
    if (target.isDir() || !writtenThrough.isWritable()) {
        printError(tr("cannot write %1").arg(QDir::toNativeSeparators(fileName)));
        return false;
    }
    return true;
}

void CtlConsole::keepTrace(const LinkTrace &trace) {
    if (!traceFile.isEmpty())
        traceText += trace.toText();
}

bool CtlConsole::writeTrace() {
    if (traceFile.isEmpty())
        return true;
    QString reason;
    if (FileWriting::write(traceFile, traceText.toUtf8(), &reason))
        return true;
    printError(tr("cannot write %1: %2").arg(traceFile, reason));
    return false;
}
