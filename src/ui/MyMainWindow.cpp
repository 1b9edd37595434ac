#include "ui/MyMainWindow.h"

#include "link/PanelCore.h"
#include "model/InternalDiagnostics.h"
#include "model/MyXMLWriter.h"
#include "model/ProductInfo.h"
#include "model/XmlConfigReader.h"
#include "ui/DialogAbout.h"
#include "ui/EditHistory.h"
#include "ui/MyActionsWidget.h"
#include "ui/MyMainWidget.h"
#include "ui/PanelCommands.h"
#include "ui/ReportExport.h"
#include "ui/UnsavedEdits.h"
#include "ui/UserDialogs.h"
#include "ui/myAdvancedConfigurationWidget.h"
#include "ui/myconfigurationwidget.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QFontDatabase>

namespace {

constexpr int DefaultWidth = 960;
constexpr int DefaultHeight = 760;

const char *const FileFilter = QT_TRANSLATE_NOOP("MyMainWindow", "Xml files (*.xml)");

QString titlePrefix() {
    return QStringLiteral("TrevUSB Configurator ") + ProductInfo::version() + QStringLiteral(" ") +
           ProductInfo::buildDate();
}

// Where the window shows its modified mark.
const QLatin1String ModifiedMark("[*]");

QFont windowFont() {
    const QString preferred = QStringLiteral("Segoe UI");
    QFont font = QFontDatabase::hasFamily(preferred)
                     ? QFont(preferred)
                     : QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSize(10);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    return font;
}

} // namespace

MyMainWindow::MyMainWindow(QWidget *parent, Qt::WindowFlags flags)
    : QMainWindow(parent, flags)
    , core(std::make_unique<PanelCore>())
    , panel(std::make_unique<PanelCommands>(this)) {
    const QFont font = windowFont();
    // Before any widget exists, so that every text is built in one language.
    loadLanguage(LanguageCatalog::defaultCode());
    core->num_zones = 0;
    setWindowTitle(ProductInfo::productLine() + ProductInfo::model() + ProductInfo::version() +
                   QStringLiteral(" ") + ProductInfo::buildDate() + ModifiedMark);
    setWindowIcon(QIcon(QStringLiteral(":/icons/icons/logo.png")));
    QApplication::setFont(font);

    centralTabs = new MyMainWidget(this);
    setCentralWidget(centralTabs);
    history = new EditHistory(
        centralTabs, [this] { return !edits->inputProblems().isEmpty(); }, this);
    edits = std::make_unique<UnsavedEdits>(centralTabs, history);
    pointEditorsAt(core.get());

    createMenus();
    connect(history, &EditHistory::settled, this,
            [this] { setWindowModified(hasUnsavedChanges()); });
    for (const auto signal : {&myconfigurationwidget::signalElementAddedRemovedModified,
                              &myconfigurationwidget::signalNumberOfZonesModified,
                              &myconfigurationwidget::signalZoneNamesModified})
        connect(centralTabs->configurationWidget(), signal, this,
                &MyMainWindow::slotUpdateEventActionTrees);
    centralTabs->actionsWidget()->updateTrees();
    setFont(font);
    // Room for both maneuver columns and most of the advanced page without scrolling.
    resize(DefaultWidth, DefaultHeight);
    rememberSavedState();
}

MyMainWindow::~MyMainWindow() {
    // The editors point at the model: they go first.
    delete centralTabs;
    centralTabs = nullptr;
}

void MyMainWindow::createMenus() {
    menus.create(this);
    createLanguageMenu(menus.languageMenu());
}

void MyMainWindow::retranslate() {
    menus.retranslate();
    panel->retranslate();
}

void MyMainWindow::createLanguageMenu(QMenu *menu) {
    connect(languages.fill(menu, this), &QActionGroup::triggered, this,
            &MyMainWindow::slotLanguageChanged);
}

void MyMainWindow::slotLanguageChanged(QAction *action) {
    if (action)
        loadLanguage(action->data().toString());
}

void MyMainWindow::loadLanguage(const QString &code) {
    languages.load(code);
}

void MyMainWindow::changeEvent(QEvent *event) {
    if (event->type() == QEvent::LocaleChange) {
        loadLanguage(LanguageCatalog::defaultCode());
    } else if (event->type() == QEvent::LanguageChange && centralTabs) {
        qCDebug(internalDiagnostics) << "Language Changed";
        retranslate();
        centralTabs->retranslate();
        centralTabs->actionsWidget()->retranslate();
        centralTabs->configurationWidget()->retranslate();
        centralTabs->advancedWidget()->retranslate();
        centralTabs->refreshLayout();
    }
    QMainWindow::changeEvent(event);
}

void MyMainWindow::hideShowAdvancedTab(bool show) {
    centralTabs->showAdvancedTab(show);
}

void MyMainWindow::slotClose() {
    close();
}

void MyMainWindow::slotExportSite() {}

bool MyMainWindow::zonesChosen(const QString &title) {
    if (core->num_zones != 0)
        return true;
    UserDialogs::current().inform(this, title, tr("please, introduce a number of zones"));
    return false;
}

void MyMainWindow::slotDownloadConfig() {
    // Zones and boards stay: the panel does not store them.
    if (!zonesChosen(tr("Download Panel")) ||
        !settleUnsavedChanges(edits->pendingInPanelPart(*core),
                              tr("The current configuration has changes that have not been "
                                 "saved. Save them before reading the configuration of the "
                                 "panel?")))
        return;
    // A failed download changed nothing, so the editors keep what they show, unsaved
    // edits of the advanced page included.
    if (!panel->download())
        return;
    centralTabs->actionsWidget()->refreshTable();
    centralTabs->advancedWidget()->readGeneralConfiguration();
    edits->replacedByDownload(*core);
    UserDialogs::current().inform(this, tr("Download Panel"), tr("Download ok"));
}

void MyMainWindow::slotUploadConfig() {
    if (edits->refusedForInput(this, tr("Upload Panel"), tr("Error uploading to panel.")) ||
        !zonesChosen(tr("Upload Panel")))
        return;
    centralTabs->advancedWidget()->writeGeneralConfiguration();
    panel->upload(menus.verifyAfterUpload());
}

void MyMainWindow::slotCompareWithPanel() {
    if (edits->refusedForInput(this, tr("Compare with panel"),
                               tr("Could not compare with the panel.")))
        return;
    centralTabs->advancedWidget()->writeGeneralConfiguration();
    panel->compare();
}

void MyMainWindow::slotExportReport() {
    if (edits->refusedForInput(this, tr("Export report..."), tr("Could not export the report.")))
        return;
    centralTabs->advancedWidget()->writeGeneralConfiguration();
    ReportExport::run(this, *core, fileName);
}

void MyMainWindow::slotViewLinkLog() {
    panel->viewLinkLog();
}

void MyMainWindow::configureSerialPortSlot() {
    panel->configureSerialPort();
}

void MyMainWindow::setSerialPortList(const SerialPortList *list) {
    panel->setSerialPortList(list);
}

void MyMainWindow::slotUpdateDeviceTree() {
    centralTabs->configurationWidget()->updateDeviceTree();
}

void MyMainWindow::slotUpdateEventActionTables() {
    centralTabs->actionsWidget()->refreshTable();
}

void MyMainWindow::slotUpdateEventActionTrees() {
    centralTabs->actionsWidget()->updateTrees();
}

void MyMainWindow::slotReadNumberOfZones() {
    centralTabs->configurationWidget()->readNumberOfZones();
}

void MyMainWindow::slotReadGeneralConfiguration() {
    centralTabs->advancedWidget()->readGeneralConfiguration();
}

void MyMainWindow::slotWriteGeneralConfiguration() {
    centralTabs->advancedWidget()->writeGeneralConfiguration();
}

void MyMainWindow::setCommandLinePort(const QString &portName) {
    panel->setCommandLinePort(portName);
}

void MyMainWindow::setNamedTitle() {
    setWindowTitle(titlePrefix() + QStringLiteral(" --- ") + fileName + ModifiedMark);
}

void MyMainWindow::slotNew() {
    const bool go =
        hasUnsavedChanges()
            ? settleUnsavedChanges(true, tr("The current configuration has changes that have "
                                            "not been saved. Save them before creating a new "
                                            "configuration?"))
            : UserDialogs::current().askYesNo(
                  this, tr("Confirmation"),
                  tr("Do you want to erase current configuration and create a new one"));
    if (!go)
        return;

    // Nothing of the previous site stays (addresses, logins, passwords); the serial
    // settings do, they belong to this computer.
    *core = PanelConfiguration();
    showConfiguration();
    fileName.clear();
    setWindowTitle(titlePrefix() + ModifiedMark);
    rememberSavedState();
}

bool MyMainWindow::settleUnsavedChanges(bool unsaved, const QString &question) {
    if (!unsaved)
        return true;
    switch (UserDialogs::current().askSaveChanges(this, tr("Unsaved changes"), question)) {
    case UserDialogs::UnsavedChanges::Save:
        return saveConfiguration();
    case UserDialogs::UnsavedChanges::Discard:
        return true;
    case UserDialogs::UnsavedChanges::Cancel:
        break;
    }
    return false;
}

void MyMainWindow::slotOpen() {
    if (!settleUnsavedChanges(hasUnsavedChanges(),
                              tr("The current configuration has changes that have not been "
                                 "saved. Save them before opening another file?")))
        return;
    const QString name = UserDialogs::current().openFileName(this, tr("Open Xml"),
                                                             QStringLiteral("."), tr(FileFilter));
    if (name.isEmpty())
        return;
    openFile(name);
}

void MyMainWindow::rememberSavedState() {
    edits->remember(*core);
}

bool MyMainWindow::hasUnsavedChanges() {
    return edits->pending();
}

bool MyMainWindow::openFile(const QString &name) {
    auto fresh = std::make_unique<PanelCore>();
    QString reason;
    XmlConfigReader::Notes notes;
    if (!XmlConfigReader::readFile(name, fresh.get(), &reason, &notes)) {
        UserDialogs::current().reportFailure(this, tr("Open Xml"),
                                             tr("Could not open %1.").arg(name), reason);
        return false;
    }
    if (!notes.problems.isEmpty()) {
        QStringList lines;
        for (const ConfigurationProblem &p : notes.problems)
            lines << p.message;
        UserDialogs::current().inform(
            this, tr("Open Xml"),
            tr("Check these points of %1 before uploading it:").arg(name) + QLatin1Char('\n') +
                lines.join(QLatin1Char('\n')));
    }
    fileName = name;
    installPanelCore(std::move(fresh));
    showConfiguration();
    setNamedTitle();
    rememberSavedState();
    return true;
}

void MyMainWindow::installPanelCore(std::unique_ptr<PanelCore> fresh) {
    // The editors learn of the new model before the old one goes away.
    pointEditorsAt(fresh.get());
    core = std::move(fresh);
}

void MyMainWindow::pointEditorsAt(PanelCore *model) {
    centralTabs->actionsWidget()->setPanelCore(model);
    centralTabs->advancedWidget()->setPanelCore(model);
    centralTabs->configurationWidget()->setPanelCore(model);
    panel->setPanelCore(model);
    history->setModel(model);
}

void MyMainWindow::showConfiguration() {
    centralTabs->showConfiguration();
    centralTabs->advancedWidget()->reportUnshownValues();
}

void MyMainWindow::slotSave() {
    saveConfiguration();
}

void MyMainWindow::slotSaveAs() {
    saveConfigurationAs();
}

bool MyMainWindow::saveConfiguration() {
    return fileName.isEmpty() ? saveConfigurationAs() : saveToFile(fileName);
}

bool MyMainWindow::saveConfigurationAs() {
    const QString name = UserDialogs::current().saveFileName(this, tr("Save Xml"),
                                                             QStringLiteral("."), tr(FileFilter));
    if (name.isEmpty() || !saveToFile(name))
        return false;
    fileName = name;
    setNamedTitle();
    return true;
}

bool MyMainWindow::saveToFile(const QString &name) {
    if (edits->refusedForInput(this, tr("Save Xml"), tr("Could not save %1.").arg(name)))
        return false;
    MyXMLWriter writer(core.get());
    centralTabs->advancedWidget()->writeGeneralConfiguration();
    if (writer.writeFile(name)) {
        edits->markSaved(*core);
        return true;
    }
    UserDialogs::current().reportFailure(this, tr("Save Xml"), tr("Could not save %1.").arg(name),
                                         writer.errorString());
    return false;
}

void MyMainWindow::slotAbout() {
    DialogAbout about;
    about.exec();
}

void MyMainWindow::closeEvent(QCloseEvent *event) {
    event->ignore();
    const bool leave =
        hasUnsavedChanges()
            ? settleUnsavedChanges(true, tr("The current configuration has changes that have "
                                            "not been saved. Save them before quitting?"))
            : UserDialogs::current().askYesNo(this, tr("Close Confirmation"),
                                              tr("Are you sure you want to quit?"));
    if (leave)
        event->accept();
}
