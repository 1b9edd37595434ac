#pragma once

#include "link/LinkTrace.h"
#include "link/PanelCore.h"
#include "model/LanguageCatalog.h"

#include <QMainWindow>
#include <QTimer>
#include <QTranslator>

#include <memory>

class BackupStore;
class LinkLogWindow;
class MyMainWidget;
class SerialPortList;

class QAction;
class QActionGroup;
class QMenu;
class QToolBar;

// The one top-level window: owns the configuration being edited, hosts the editors and
// carries the file, panel, language and about commands.
class MyMainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MyMainWindow(QWidget *parent = nullptr, Qt::WindowFlags flags = {});
    ~MyMainWindow() override;

    PanelCore *panelCore() const { return core.get(); }
    MyMainWidget *mainWidget() const { return centralTabs; }
    QString currentFileName() const { return fileName; }
    QString translationsDirectory() const { return LanguageCatalog::directory(); }
    QString currentLanguage() const { return currentLanguageCode; }

    // Opens a configuration file; on failure says why and changes nothing.
    bool openFile(const QString &name);
    // A port named on the command line: every configuration in this session uses it,
    // until the user chooses another in the settings dialog.
    void setCommandLinePort(const QString &portName);
    void loadLanguage(const QString &code);
    // Where the serial settings dialog finds the ports (not owned); the system's when null.
    void setSerialPortList(const SerialPortList *list) { portList = list; }

public Q_SLOTS:
    void slotLanguageChanged(QAction *action);
    void hideShowAdvancedTab(bool show);
    void slotClose();
    void slotExportSite();
    void slotDownloadConfig();
    void slotUploadConfig();
    void slotUpdateDeviceTree();
    void slotUpdateEventActionTables();
    void slotUpdateEventActionTrees();
    void slotReadNumberOfZones();
    void slotReadGeneralConfiguration();
    void slotWriteGeneralConfiguration();
    void configureSerialPortSlot();
    void slotSave();
    void slotSaveAs();
    void slotOpen();
    void slotAbout();
    void slotNew();
    void slotCompareWithPanel();
    void slotExportReport();
    void slotViewLinkLog();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void createMenus();
    void createLanguageMenu(QMenu *menu);
    void retranslate();
    bool saveToFile(const QString &name);
    // Save, or Save as while the configuration has no file; false when nothing was saved.
    bool saveConfiguration();
    bool saveConfigurationAs();
    // Before something replaces the configuration: with `unsaved` edits, asks whether to
    // save them, discard them or cancel. True when it may go on; a failed save cancels.
    bool settleUnsavedChanges(bool unsaved, const QString &question);
    void switchTranslator(QTranslator &translator, const QString &file);
    void installPanelCore(std::unique_ptr<PanelCore> fresh);
    // The configuration as last opened, saved or made new, to tell whether edits would be
    // lost. The advanced page is stored into the model first: it keeps its edits apart.
    void rememberSavedState();
    bool hasUnsavedChanges();
    // Fields of the editors typed but not storable, by page; empty when all are.
    QStringList inputProblems() const;
    bool refusedForInput(const QString &title, const QString &text);
    void applySessionPort();
    void setNamedTitle();
    // Ends a panel command: the standard text, with the link's reason under it and what
    // the failure left (`outcome`) below that.
    void reportTransferFailure(const QString &title, const QString &text,
                               const QString &outcome = {});
    bool uploadAllowed();
    bool downloadWouldLoseEdits();
    // Reads the panel into `panel` under a progress dialog; says why on failure.
    bool readPanelInto(PanelConfiguration &panel, const QString &title, const QString &label);
    // A model for what the panel holds, with this configuration's zones, boards and zone
    // names (the panel has none), so comparisons and backups name the same zones.
    void prepareForPanel(PanelConfiguration &panel) const;
    // Reads the panel into `panel` and saves that as a backup in `store`. A panel out of
    // reach fails the upload at once; one that was reached but left no backup makes it
    // ask whether to go on. False: stop, nothing written. `panelRead`: `panel` holds what
    // the panel has.
    bool backUpBeforeUpload(PanelConfiguration &panel, bool &panelRead, BackupStore &store);
    // The review before writing: the configuration's warnings, then what changes in the
    // panel (`panel` null: what it holds is unknown). True when the user confirms.
    bool confirmUpload(const PanelConfiguration *panel);
    void showLinkLog(const QList<LinkTrace> &traces);

    QTranslator translator;
    QTranslator qtTranslator;
    QString currentLanguageCode;

    QMenu *fileMenu = nullptr;
    QMenu *optionsMenu = nullptr;
    QMenu *configurationMenu = nullptr;
    QMenu *languageMenu = nullptr;
    QMenu *aboutMenu = nullptr;

    QAction *downloadAction = nullptr;
    QAction *uploadAction = nullptr;
    QAction *newAction = nullptr;
    QAction *openAction = nullptr;
    QAction *saveAction = nullptr;
    QAction *saveAsAction = nullptr;
    QAction *serialPortAction = nullptr;
    QAction *quitAction = nullptr;
    QAction *advancedAction = nullptr;
    QAction *verifyAction = nullptr;
    QAction *aboutAction = nullptr;
    QAction *compareAction = nullptr;
    QAction *exportReportAction = nullptr;
    QAction *linkLogAction = nullptr;
    QActionGroup *languageGroup = nullptr;

    QToolBar *fileToolBar = nullptr;
    MyMainWidget *centralTabs = nullptr;
    QString fileName;
    // Given with --port, or chosen since in the settings dialog: kept across Open.
    QString sessionPort;
    const SerialPortList *portList = nullptr;
    std::unique_ptr<PanelCore> core;
    PanelConfiguration savedState;
    QTimer modifiedCheck;
    QList<LinkTrace> lastTraces; // of the last panel command
    LinkLogWindow *linkLog = nullptr;
};
