#include "ui/WindowMenus.h"

#include "ui/EditHistory.h"
#include "ui/MyMainWindow.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace {

const QString Icons = QStringLiteral(":/icons/icons/");

} // namespace

template <class Slot>
QAction *WindowMenus::add(QMenu *menu, const char *text, const char *name, MyMainWindow *window,
                          Slot slot) {
    QAction *action = menu->addAction(tr(text), window, slot);
    action->setObjectName(QLatin1String(name));
    texts << Text{action, text};
    return action;
}

void WindowMenus::create(MyMainWindow *window) {
    using W = MyMainWindow;
    QMenu *file = window->menuBar()->addMenu(tr("&File"));
    texts << Text{file, QT_TR_NOOP("&File")};
    add(file, QT_TR_NOOP("Download Panel"), "actionDownload", window, &W::slotDownloadConfig);
    add(file, QT_TR_NOOP("Upload Panel"), "actionUpload", window, &W::slotUploadConfig);
    add(file, QT_TR_NOOP("Compare with panel"), "actionCompareWithPanel", window,
        &W::slotCompareWithPanel);
    file->addSeparator();
    add(file, QT_TR_NOOP("New"), "actionNew", window, &W::slotNew);
    add(file, QT_TR_NOOP("Open"), "actionOpen", window, &W::slotOpen);
    add(file, QT_TR_NOOP("Save"), "actionSave", window, &W::slotSave);
    add(file, QT_TR_NOOP("Save as"), "actionSaveAs", window, &W::slotSaveAs);
    add(file, QT_TR_NOOP("Export report..."), "actionExportReport", window, &W::slotExportReport);
    file->addSeparator();
    add(file, QT_TR_NOOP("Configure serial port"), "actionSerialPort", window,
        &W::configureSerialPortSlot);
    file->addSeparator();
    add(file, QT_TR_NOOP("Quit"), "actionQuit", window, &W::slotClose);

    // Undo and Redo act on the edit history, which names the step in their texts.
    QMenu *edit = window->menuBar()->addMenu(tr("&Edit"));
    texts << Text{edit, QT_TR_NOOP("&Edit")};
    history = window->editHistory();
    const auto step = [&](const char *name, void (EditHistory::*slot)(), auto keys) {
        QAction *action = edit->addAction(QString(), history, slot);
        action->setObjectName(QLatin1String(name));
        action->setShortcuts(keys);
        return action;
    };
    QAction *undo = step("actionUndo", &EditHistory::undo, QKeySequence::Undo);
    history->showStepsOn(undo, step("actionRedo", &EditHistory::redo, QKeySequence::Redo));

    QMenu *options = window->menuBar()->addMenu(tr("&Options"));
    texts << Text{options, QT_TR_NOOP("&Options")};
    QAction *advanced = add(options, QT_TR_NOOP("View advanced options"), "actionAdvanced", window,
                            &W::hideShowAdvancedTab);
    advanced->setCheckable(true);
    advanced->setChecked(false);
    // Reading every record back doubles the transfer, but catches a panel that stored
    // something else than it was sent.
    verify = options->addAction(tr("Verify after upload"));
    verify->setObjectName(QStringLiteral("actionVerifyAfterUpload"));
    verify->setCheckable(true);
    verify->setChecked(true);
    texts << Text{verify, QT_TR_NOOP("Verify after upload")};
    add(options, QT_TR_NOOP("View link log"), "actionViewLinkLog", window, &W::slotViewLinkLog);

    QMenu *configuration = window->menuBar()->addMenu(tr("&Configuration"));
    texts << Text{configuration, QT_TR_NOOP("&Configuration")};
    language = configuration->addMenu(tr("Language"));
    texts << Text{language, QT_TR_NOOP("Language")};

    QMenu *about = window->menuBar()->addMenu(tr("&About"));
    texts << Text{about, QT_TR_NOOP("&About")};
    QAction *aboutAction = about->addAction(tr("About"), window, &W::slotAbout);
    aboutAction->setObjectName(QStringLiteral("actionAbout"));
    // Created as "About", it reads "&About" after a language change, as it always did.
    texts << Text{aboutAction, QT_TR_NOOP("&About")};

    QToolBar *tools = window->addToolBar(tr("File"));
    tools->setObjectName(QStringLiteral("fileToolBar"));
    texts << Text{tools, QT_TR_NOOP("File")};
    const auto tool = [&](const char *icon, const char *text, void (W::*slot)()) {
        texts << Text{tools->addAction(QIcon(Icons + QLatin1String(icon)), tr(text), window, slot),
                      text};
    };
    // The download command shows upload.png and the upload command download.png.
    tool("upload.png", QT_TR_NOOP("Download Config from panel"), &W::slotDownloadConfig);
    tool("download.png", QT_TR_NOOP("Upload Config to panel"), &W::slotUploadConfig);
    tools->addSeparator();
    tool("new.png", QT_TR_NOOP("New"), &W::slotNew);
    tool("open.png", QT_TR_NOOP("Open"), &W::slotOpen);
    tool("save.png", QT_TR_NOOP("Save"), &W::slotSave);
    tool("save.png", QT_TR_NOOP("Save as"), &W::slotSaveAs);
    tools->addSeparator();
}

void WindowMenus::retranslate() {
    for (const Text &t : texts) {
        if (auto *action = qobject_cast<QAction *>(t.item))
            action->setText(tr(t.text));
        else if (auto *menu = qobject_cast<QMenu *>(t.item))
            menu->setTitle(tr(t.text));
        else if (auto *bar = qobject_cast<QToolBar *>(t.item))
            bar->setWindowTitle(tr(t.text));
    }
    if (history)
        history->retranslate();
}

bool WindowMenus::verifyAfterUpload() const {
    return verify->isChecked();
}
