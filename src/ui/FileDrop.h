#pragma once

#include <QObject>
#include <QString>

class QMimeData;
class QWidget;

// Lets one configuration file, a local .xml file, be dropped on a window; every other drop
// is refused. The file is announced once the drop is over, so that a question about unsaved
// edits does not hold up the program it was dragged from.
class FileDrop : public QObject {
    Q_OBJECT

public:
    explicit FileDrop(QWidget *window);

    // The file a drop of `data` would open; empty when the drop is refused.
    static QString configurationFile(const QMimeData *data);

Q_SIGNALS:
    void dropped(const QString &file);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
