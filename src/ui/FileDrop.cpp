#include "ui/FileDrop.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QWidget>

FileDrop::FileDrop(QWidget *window)
    : QObject(window) {
    window->setAcceptDrops(true);
    window->installEventFilter(this);
}

QString FileDrop::configurationFile(const QMimeData *data) {
    const QList<QUrl> urls = data ? data->urls() : QList<QUrl>();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return {};
    const QString file = urls.first().toLocalFile();
    return QFileInfo(file).suffix().compare(QLatin1String("xml"), Qt::CaseInsensitive) == 0
               ? file
               : QString();
}

bool FileDrop::eventFilter(QObject *watched, QEvent *event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto *drop = static_cast<QDropEvent *>(event);
    const QString file = configurationFile(drop->mimeData());
    if (file.isEmpty() || !(drop->possibleActions() & Qt::CopyAction)) {
        drop->ignore();
        return true;
    }
    // Only ever a copy: a move accepted here would let the source delete the user's file.
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop)
        QTimer::singleShot(0, this, [this, file] { Q_EMIT dropped(file); });
    return true;
}
