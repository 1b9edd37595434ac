#pragma once

#include "link/PanelCore.h"
#include "model/LanguageCatalog.h"
#include "ui/LanguageMenu.h"
#include "ui/WindowMenus.h"

#include <QMainWindow>

#include <memory>

class EditHistory;
class MyMainWidget;
class PanelCommands;
class SerialPortList;
class UnsavedEdits;

class QAction;
class QMenu;

// The one top-level window: owns the configuration being edited, hosts the editors and
// carries the file, panel, language and about commands. The panel commands live in
// PanelCommands and the languages in LanguageMenu, whose slots here forward to them; the
// menus are WindowMenus, what edits would be lost UnsavedEdits, their undo EditHistory.
class MyMainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MyMainWindow(QWidget *parent = nullptr, Qt::WindowFlags flags = {});
    ~MyMainWindow() override;

    PanelCore *panelCore() const { return core.get(); }
    MyMainWidget *mainWidget() const { return centralTabs; }
    EditHistory *editHistory() const { return history; }
    QString currentFileName() const { return fileName; }
    QString translationsDirectory() const { return LanguageCatalog::directory(); }
    QString currentLanguage() const { return languages.current(); }

    // Opens a configuration file; on failure says why and changes nothing.
    bool openFile(const QString &name);
    // A port named on the command line: every configuration in this session uses it,
    // until the user chooses another in the settings dialog.
    void setCommandLinePort(const QString &portName);
    void loadLanguage(const QString &code);
    // Where the serial settings dialog finds the ports (not owned); the system's when null.
    void setSerialPortList(const SerialPortList *list);

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
    void installPanelCore(std::unique_ptr<PanelCore> fresh);
    void pointEditorsAt(PanelCore *model);
    // Every editor shows the model again.
    void showConfiguration();
    // The configuration as opened or made new, to tell whether edits would be lost; the
    // edit history starts again from it.
    void rememberSavedState();
    bool hasUnsavedChanges();
    // Says so when the configuration has no zones yet.
    bool zonesChosen(const QString &title);
    void setNamedTitle();

    LanguageMenu languages;

    WindowMenus menus;
    MyMainWidget *centralTabs = nullptr;
    QString fileName;
    std::unique_ptr<PanelCore> core;
    std::unique_ptr<PanelCommands> panel;
    EditHistory *history = nullptr;
    std::unique_ptr<UnsavedEdits> edits;
};
