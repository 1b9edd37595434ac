#pragma once

#include <QString>

class QWidget;

// The folder that the file dialogs of Open, Save as and Export report start in: the one
// where the user last chose a file in any of them; the working folder before that.
class LastFolder {
public:
    QString path() const { return folder; }
    // Kept only while it exists: a folder that is gone is no place to start.
    void setPath(const QString &path);

    QString openFileName(QWidget *parent, const QString &caption, const QString &filter);
    // Ends in ".`suffix`" (see UserDialogs::saveFileNameWithSuffix). `suggested`: a file
    // name proposed in the folder; none when empty.
    QString saveFileName(QWidget *parent, const QString &caption, const QString &filter,
                         const QString &suffix, const QString &suggested = {});

private:
    QString remember(const QString &chosen);

    QString folder = QStringLiteral(".");
};
