#include "ui/WindowSettings.h"

#include "model/LanguageCatalog.h"
#include "ui/MyMainWindow.h"
#include "ui/PanelCommands.h"

#include <QAction>
#include <QEvent>
#include <QMenu>

namespace {

const QString Geometry = QStringLiteral("window/geometry");
const QString Language = QStringLiteral("window/language");
const QString Port = QStringLiteral("panel/port");
const QString Verify = QStringLiteral("panel/verifyAfterUpload");
const QString Recent = QStringLiteral("files/recent");
const QString Folder = QStringLiteral("files/lastFolder");

} // namespace

WindowSettings::WindowSettings(MyMainWindow *window)
    : QObject(window)
    , window(window) {
    window->installEventFilter(this);
    connect(window->windowMenus().languageMenu(), &QMenu::triggered, this,
            [this](QAction *action) { chosenLanguage = action->data().toString(); });
}

void WindowSettings::restore() {
    window->restoreGeometry(settings.value(Geometry).toByteArray());
    // A language whose translation is gone leaves the system's.
    const QString language = settings.value(Language).toString();
    if (LanguageCatalog::codes().contains(language)) {
        chosenLanguage = language;
        window->loadLanguage(language);
    }
    window->panelCommands()->restoreChosenPort(settings.value(Port).toString());
    window->windowMenus().setVerifyAfterUpload(settings.value(Verify, true).toBool());
    window->recentFiles()->setFiles(settings.value(Recent).toStringList());
    window->lastFolder().setPath(settings.value(Folder).toString());
}

void WindowSettings::save() {
    settings.setValue(Geometry, window->saveGeometry());
    setOrRemove(Language, chosenLanguage);
    setOrRemove(Port, window->panelCommands()->chosenPort());
    settings.setValue(Verify, window->windowMenus().verifyAfterUpload());
    settings.setValue(Recent, window->recentFiles()->files());
    settings.setValue(Folder, window->lastFolder().path());
    settings.sync();
}

void WindowSettings::setOrRemove(const QString &key, const QString &value) {
    if (value.isEmpty())
        settings.remove(key);
    else
        settings.setValue(key, value);
}

bool WindowSettings::eventFilter(QObject *watched, QEvent *event) {
    // While QWidget destroys it, the window is no longer a MyMainWindow: nothing to read.
    if (event->type() == QEvent::Hide && qobject_cast<MyMainWindow *>(watched))
        save();
    return QObject::eventFilter(watched, event);
}
