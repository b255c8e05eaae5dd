#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "desktop/help_file.h"
#include "desktop/hyperlink.h"
#include "desktop/register_file_type.h"
#include "platform/app_info.h"
#include "platform/program_folder.h"
#include "sequence/step_table.h"
#include "text/menu_mnemonics.h"
#include "text/number_text.h"
#include "text/text_ids.h"
#include "ui/animation_export_command.h"
#include "ui/car_panel.h"
#include "ui/data_panel.h"
#include "ui/dialogs/frm_eigenschaften.h"
#include "ui/dialogs/frm_info.h"
#include "ui/dialogs/frm_parameter.h"
#include "ui/editor_scroll_area.h"
#include "ui/input_hold.h"
#include "ui/named_widgets.h"
#include "ui/sequence_panel.h"
#include "ui/standard_shortcuts.h"
#include "ui/timeline_panel.h"

namespace vireo {

namespace {
namespace k = settings_keys;

QAction* namedAction(QObject* parent, const char* name, const QString& text) {
    auto* action = new QAction(text, parent);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

const QString kNeu = QStringLiteral("Neu");
}  // namespace

MainWindow::MainWindow(const AppContext& context, QWidget* parent)
    : QMainWindow(parent),
      context_(context),
      session_(
          new EditingSession(*context.settings, *context.prompter, texts_, *context.clock, this)),
      editor_(session_->editor()),
      vehicle_(session_->vehicle()) {
    setObjectName(QStringLiteral("frmVireo"));
    setWindowTitle(QStringLiteral("Kelvor "));
    sprache_ = context_.language;
    if (!context_.execDialog) context_.execDialog = [](QDialog& dialog) { return dialog.exec(); };
    if (context_.opener) {
        opener_ = context_.opener;
    } else {
        ownOpener_ = std::make_unique<DesktopUrlOpener>();
        opener_ = ownOpener_.get();
    }
    buildMenus();
    buildFace();

    // The dialogs live as long as the window and keep their state between showings.
    frmParameter_ = new FrmParameter(vehicle_, this);
    frmParameter_->setAcceptedCallback([this](const QString&) {
        modellauswahl();
        lichtAus();
    });
    frmEigenschaften_ = new FrmEigenschaften(
        *context_.settings, [this] { registerFileType(); }, this);

    connect(konfig_, &QAction::triggered, this, &MainWindow::konfigClick);
    connect(menuItems_[5], &QAction::triggered, this, &MainWindow::showProperties);
    connect(about_, &QAction::triggered, this, &MainWindow::showAbout);
    connect(help_, &QAction::triggered, this, [this] { htmlHelpShowTopic(); });

    setUpCar();
    setUpTable();
    setUpFiles();
    setUpModule();
    setUpTimeline();
    animationExport_ = new AnimationExportCommand(
        *session_, texts_, [this] { return dateiPfad(); }, *context_.prompter, *exportAnimation_,
        this);
    connect(animationExport_, &AnimationExportCommand::statusText, this,
            &MainWindow::showStatusText);
}

void MainWindow::showStatusText(const QString& text) {
    // The status bar shows only while it has something to say, so the face keeps its height.
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar"));
    if (!bar->property("hidesWhenEmpty").toBool()) {
        bar->setProperty("hidesWhenEmpty", true);
        connect(bar, &QStatusBar::messageChanged, bar,
                [bar](const QString& message) { bar->setVisible(!message.isEmpty()); });
    }
    bar->show();
    constexpr int kStatusShownMs = 10000;
    bar->showMessage(text, kStatusShownMs);
}

MainWindow::~MainWindow() {
    // The session outlives the window's own members (it goes with the window's children):
    // nothing it says while it goes may reach them.
    session_->blockSignals(true);
    editor_.undoStack()->blockSignals(true);
    vehicle_.blockSignals(true);
}

void MainWindow::buildMenus() {
    QMenuBar* bar = menuBar();

    menuDatei_ = bar->addMenu(QStringLiteral("Datei"));
    menuDatei_->setObjectName(QStringLiteral("Datei"));
    const QString captions[10] = {QString(),
                                  kNeu,
                                  QStringLiteral("Öffnen"),
                                  QStringLiteral("Speichern"),
                                  QStringLiteral("Speichern unter"),
                                  QStringLiteral("Eigenschaften"),
                                  QStringLiteral("Language"),
                                  QStringLiteral("Reg Löschen"),
                                  QStringLiteral("Modul Update"),
                                  QStringLiteral("Beenden")};
    for (int i = 1; i <= 9; ++i) {
        QAction* item = nullptr;
        if (i == 6) {
            languageMenu_ = new QMenu(captions[i], menuDatei_);
            item = languageMenu_->menuAction();
        } else if (i == 8) {
            auto* updateMenu = new QMenu(captions[i], menuDatei_);
            update_ = namedAction(updateMenu, "Update", QStringLiteral("Update"));
            hilfe_ = namedAction(updateMenu, "Hilfe", QStringLiteral("Help"));
            updateMenu->addAction(update_);
            updateMenu->addAction(hilfe_);
            item = updateMenu->menuAction();
        } else {
            item = new QAction(captions[i], menuDatei_);
        }
        item->setObjectName(QStringLiteral("Menu_%1").arg(i));
        menuItems_[i] = item;
        if (i == 9) menuDatei_->addSeparator();
        menuDatei_->addAction(item);
    }
    menuItems_[7]->setVisible(false);  // "Reg Löschen": developer mode only
    exportAnimation_ = namedAction(menuDatei_, "AnimationExportieren", QString());
    menuDatei_->insertAction(menuItems_[5], exportAnimation_);
    menuItems_[1]->setShortcut(QKeySequence::New);
    menuItems_[2]->setShortcut(QKeySequence::Open);
    menuItems_[3]->setShortcut(QKeySequence::Save);
    menuItems_[4]->setShortcuts(standardShortcuts(QKeySequence::SaveAs));
    menuItems_[9]->setShortcuts(standardShortcuts(QKeySequence::Quit));
    connect(menuItems_[7], &QAction::triggered, this, &MainWindow::clearSettings);
    connect(menuItems_[9], &QAction::triggered, this, &MainWindow::close);

    menuConnect_ = bar->addMenu(QStringLiteral("Verbindung"));
    menuConnect_->setObjectName(QStringLiteral("Connect"));
    for (int i = 1; i <= 20; ++i) {
        auto* item = new QAction(QStringLiteral("Com %1").arg(i), menuConnect_);
        item->setObjectName(QStringLiteral("Port_%1").arg(i));
        item->setCheckable(true);
        portItems_[i] = item;
        menuConnect_->addAction(item);
    }

    konfig_ = namedAction(bar, "Konfig", QStringLiteral("Konfiguration"));
    bar->addAction(konfig_);

    menuInfo_ = bar->addMenu(QStringLiteral("Info"));
    menuInfo_->setObjectName(QStringLiteral("Info"));
    mType_ = namedAction(menuInfo_, "M_Type", QStringLiteral("Modul-Typ auslesen"));
    about_ = namedAction(menuInfo_, "About", QStringLiteral("About"));
    menuInfo_->addAction(mType_);
    menuInfo_->addAction(about_);

    menuHelp_ = bar->addMenu(QStringLiteral("Hilfe"));
    menuHelp_->setObjectName(QStringLiteral("Help_Menu"));
    help_ = namedAction(menuHelp_, "Help", QStringLiteral("Hilfe starten"));
    help_->setShortcut(QKeySequence::HelpContents);
    bereich_ = namedAction(menuHelp_, "Bereich", QStringLiteral("Bereiche anzeigen"));
    menuHelp_->addAction(help_);
    menuHelp_->addAction(bereich_);

    // The table's context menu is not part of the menu bar.
    tabelle_ = new QMenu(QStringLiteral("List"), this);
    tabelle_->setObjectName(QStringLiteral("Tabelle"));
    const QString listCaptions[5] = {QString(), QStringLiteral("Kopieren"),
                                     QStringLiteral("Ausschneiden"), QStringLiteral("Einfügen"),
                                     QStringLiteral("Einfügen an Tabellenende")};
    for (int i = 1; i <= 4; ++i) {
        listMenu_[i] = new QAction(listCaptions[i], tabelle_);
        listMenu_[i]->setObjectName(QStringLiteral("List_1_%1").arg(i));
        tabelle_->addAction(listMenu_[i]);
    }
}

void MainWindow::buildFace() {
    auto* central = new QWidget(this);
    setCentralWidget(central);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    // The face above, the timeline panel below (added with it); the user moves the line between.
    auto* splitter = new QSplitter(Qt::Vertical, central);
    splitter->setObjectName(QStringLiteral("editorSplitter"));
    column->addWidget(splitter);
    auto* editorScroll = new EditorScrollArea(splitter);
    splitter->addWidget(editorScroll);
    auto* face = new QWidget;
    face->setObjectName(QStringLiteral("editorPart"));
    auto* row = new QHBoxLayout(face);
    editorScroll->setWidget(face);
    row->setContentsMargins(0, 0, 8, 8);

    // The car: a fixed panel that keeps the pictures at their places.
    car_ = new CarPanel(
        *session_, texts_,
        [this] {
            return EditOptions{frmEigenschaften_->activationArea(), sequence_->autoAppend()};
        },
        central);
    row->addWidget(car_, 0, Qt::AlignTop);

    // The table side.
    sequence_ = new SequencePanel(*session_, texts_, central);
    row->addWidget(sequence_, 1);
    connect(sequence_, &SequencePanel::tableMenuRequested, this, &MainWindow::showTableMenu);

    data_ = new DataPanel(central);
    programFrame_ = namedFrame(central, "Frame6", QStringLiteral(" Programm"));
    {
        auto* l = new QVBoxLayout(programFrame_);
        cmdExit_ = namedButton(programFrame_, QStringLiteral("cmdExit"), QStringLiteral("Beenden"));
        cmdBereiche_ = namedButton(programFrame_, QStringLiteral("cmdBereiche"),
                                   QStringLiteral("Bereiche anzeigen"));
        cmdBereiche_->setVisible(false);
        l->addWidget(cmdExit_);
        l->addWidget(cmdBereiche_);
        l->addStretch();
    }
    sequence_->addFrames(data_, programFrame_);

    connect(cmdExit_, &QPushButton::clicked, this, &MainWindow::close);

    resize(860, 640);
}

void MainWindow::load(QWidget* splash, std::function<void()> ready) {
    // The splash closes and the caller goes on (shows the window) when loading is over.
    const auto finish = [splash = QPointer<QWidget>(splash), ready] {
        if (splash) splash->close();
        if (ready) ready();
    };
    // Developer mode shows the coordinate labels, the region button and the settings reset,
    // and shortens the splash.
    Clock& clock = *context_.clock;
    developerMode_ = context_.settings->read(k::kDeveloper) == QLatin1String("Wahr");
    const qint64 splashEnd = clock.nowMs() + splashMinimumMs();
    if (developerMode_) {
        car_->showCoordinates(true);
        cmdBereiche_->setVisible(true);
        menuItems_[7]->setVisible(true);
    }

    language();
    kommandozeile_ = context_.commandLine;

    const StartupSettings settings = loadStartupSettings(*context_.settings);
    applyStartupSettings(settings);

    // Whatever becomes of a command-line file, the stored vehicle stays what it was: a file that
    // cannot be read is reported, and the stored model and options are applied as at every start.
    const CommandLineOutcome outcome = loadCommandLineFile();
    if (outcome == CommandLineOutcome::Loaded) {
        applyVehicle(editor_.document().model, editor_.document().options);
    } else {
        applyVehicle(settings.model, settings.options);
    }
    if (outcome == CommandLineOutcome::Damaged) {
        context_.prompter->message(texts_.entry(text::ChecksumWrong), texts_.entry(text::FileError),
                                   PromptIcon::Warning);
        finish();
        return;
    }
    if (outcome == CommandLineOutcome::Failed) {
        // A start never stops on a load failure: the first layout reports it.
        ladefehler_ = true;
        finish();
        return;
    }

    // The splash stays for its minimum time, measured on a monotonic clock; nothing waits for
    // it meanwhile.
    clock.singleShot(static_cast<int>(std::max<qint64>(0, splashEnd - clock.nowMs())), this,
                     finish);
}

void MainWindow::applyStartupSettings(const StartupSettings& s) {
    if (s.port) port_ = *s.port;
    car_->setPortText(s.portLabel);
    for (int i = 1; i <= 20; ++i) portItems_[i]->setChecked(s.portTicks[i - 1]);
    if (s.autoAppend) sequence_->setAutoAppend(*s.autoAppend);
    frmEigenschaften_->showSettings(s);
    if (s.slider) sequence_->setOnTime(*s.slider);
    sequence_->updateOnTimeLabel();
    vehicle_.setHoldTimes(s.welcomeHold.value_or(-1), s.goodbyeHold.value_or(-1));
    erststart_ = s.firstStart;
    // Stored values that could not be used are replaced in the store too, so the user hears of
    // them once.
    storeCorrections(*context_.settings, s.corrections);
    settingCorrections_ = s.corrections;
}

void MainWindow::applyVehicle(const QString& model, const QString& options) {
    vehicle_.restore(model, options);
    modellauswahl();
    lichtAus();
}

void MainWindow::language() {
    const QStringList languages = listLanguages(programFolder());
    for (QAction* a : auswahl_) delete a;
    auswahl_.clear();
    for (int i = 0; i < languages.size() && i < 255; ++i) {
        auto* item = new QAction(languages[i], languageMenu_);
        item->setObjectName(QStringLiteral("Auswahl_%1").arg(i + 1));
        item->setCheckable(true);
        const int index = i + 1;
        connect(item, &QAction::triggered, this, [this, index] { chooseLanguageItem(index); });
        languageMenu_->addAction(item);
        auswahl_ << item;
    }
    if (!sprache_.isEmpty()) {
        for (QAction* item : auswahl_) {
            if (item->text() == sprache_) {
                item->setChecked(true);
                break;
            }
        }
    } else {
        sprache_ = QStringLiteral("Deutsch");
    }
    applyLanguage(true);
}

void MainWindow::chooseLanguageItem(int index) {
    QAction* item = auswahl_.value(index - 1);
    if (!item) return;
    context_.settings->write(k::kLanguage, item->text());
    for (QAction* a : auswahl_) a->setChecked(false);
    sprache_ = item->text();
    item->setChecked(true);
    applyLanguage(false);
    sequence_->updateOnTimeLabel();
}

void MainWindow::applyLanguage(bool startup) {
    const LanguageTable::Status status = texts_.load(programFolder(), sprache_);
    if (status != LanguageTable::Status::Ok && !languageProblemReported_) {
        // Missing entries fall back to the built-in German texts; say once what is wrong.
        languageProblemReported_ = true;
        const QString file = QDir::toNativeSeparators(texts_.path());
        const QString reason =
            status == LanguageTable::Status::Short
                ? texts_.entry(text::LanguageShort)
                      .arg(file)
                      .arg(texts_.size() - 1)
                      .arg(LanguageTable::kHighestEntry)
                : texts_.entry(text::LoadWarning) + QStringLiteral("\n\n") + file;
        context_.prompter->message(reason, kAppTitle, PromptIcon::Warning);
    }
    frmParameter_->applyToolTip(texts_);
    if (timeline_) timeline_->applyLanguage();
    refreshExamples();
    // The answer buttons of every box follow the language, the German one too.
    context_.prompter->setAnswerCaptions({texts_.entry(text::Yes), texts_.entry(text::No),
                                          texts_.entry(text::Ok), texts_.entry(text::Cancel)});
    menuEdit_->setTitle(texts_.entry(text::EditMenu));
    if (sprache_ == QLatin1String("Deutsch") && startup) {
        applyMenuMnemonics();
        return;
    }

    const auto& t = texts_;
    menuDatei_->menuAction()->setText(t.entry(text::FileMenu));
    for (int i = 1; i <= 5; ++i) menuItems_[i]->setText(t.entry(text::FileMenuItemFirst + i - 1));
    menuItems_[8]->setText(t.entry(text::ModuleUpdate));
    // "Beenden", the caption of the button that does the same
    menuItems_[9]->setText(t.entry(text::Exit));
    animationExport_->applyLanguage();
    menuConnect_->menuAction()->setText(t.entry(text::ConnectionMenu));
    konfig_->setText(t.entry(text::Configuration));
    menuInfo_->menuAction()->setText(t.entry(text::InfoMenu));
    mType_->setText(t.entry(text::ReadModuleType));
    about_->setText(t.entry(text::About));
    menuHelp_->menuAction()->setText(t.entry(text::HelpMenu));
    help_->setText(t.entry(text::StartHelp));
    bereich_->setText(t.entry(text::ShowAreas));
    for (int i = 1; i <= 4; ++i) listMenu_[i]->setText(t.entry(text::ListMenuItemFirst + i - 1));
    sequence_->applyLanguage();
    data_->applyLanguage(t);
    cmdExit_->setText(t.entry(text::Exit));
    car_->setStatusText(t.entry(text::NotConnected));
    programFrame_->setTitle(t.entry(text::FrameTitleFirst + 5));
    frmEigenschaften_->applyCaptions(t);
    frmParameter_->applyCaptions(t);
    updateUndoCaptions();
    updateVehicleChoiceText();
    applyMenuMnemonics();
}

void MainWindow::applyMenuMnemonics() {
    // Every menu of the bar opens with Alt and a letter of its own, in every language.
    const QList<QAction*> menus = menuBar()->actions();
    QStringList captions;
    for (const QAction* menu : menus) captions << QString(menu->text()).remove(QLatin1Char('&'));
    const QStringList marked = withMnemonics(captions);
    for (int i = 0; i < menus.size(); ++i) menus[i]->setText(marked[i]);
}

void MainWindow::konfigClick() {
    lichtAus();
    context_.execDialog(*frmParameter_);
}

void MainWindow::showProperties() {
    context_.execDialog(*frmEigenschaften_);
    lichtAus();
}

void MainWindow::showAbout() {
    FrmInfo about(
        sprache_, texts_, [this](const QString& target) { Hyperlink_Open(target, *opener_); },
        *context_.clock, this);
    context_.execDialog(about);
}

void MainWindow::htmlHelpShowTopic(const QString&) {
    openHelp(helpDocument(sprache_, programFolder()));
}

void MainWindow::openHelp(const HelpDocument& help) {
    if (!help.found()) {
        context_.prompter->message(missingHelpMessage(help, texts_), kAppTitle,
                                   PromptIcon::Warning);
        return;
    }
    if (!opener_->openDocument(help.path))
        context_.prompter->message(helpNotShownMessage(help, texts_), kAppTitle,
                                   PromptIcon::Warning);
}

void MainWindow::registerFileType() {
    Dateityp_Registrieren(sequenceFileType(), context_.xdgDataFolder);
}

void MainWindow::firstStartSequence() {
    Prompter& ask = *context_.prompter;
    ask.message(texts_.entry(text::FirstStartWelcome), texts_.entry(text::FirstStartTitle),
                PromptIcon::Information);
    context_.execDialog(*frmParameter_);
    ask.message(texts_.entry(text::RegisteringExtension), texts_.entry(text::FirstStartTitle),
                PromptIcon::Information);
    registerFileType();
    ask.message(texts_.entry(text::SetupDone), texts_.entry(text::SetupDoneTitle),
                PromptIcon::Information);
}

void MainWindow::clearSettings() {
    clearStoredChoices(*context_.settings);
    lichtAus();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    formResize();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (isVisible()) formResize();
}

void MainWindow::formResize() {
    // The first layout runs the first-start sequence or reports a load failure, once per run.
    if (firstLayoutDone_) return;
    firstLayoutDone_ = true;
    if (!settingCorrections_.isEmpty())
        context_.prompter->message(correctionsMessage(settingCorrections_, texts_), kAppTitle,
                                   PromptIcon::Warning);
    settingCorrections_.clear();
    if (erststart_) firstStartSequence();
    if (ladefehler_) {
        // The stored vehicle was applied while loading; here the file is named with the reason.
        context_.prompter->message(texts_.entry(text::LoadWarning) + QStringLiteral("\n\n") +
                                       QDir::toNativeSeparators(kommandozeile_) +
                                       QStringLiteral(": ") + commandLineProblem_,
                                   texts_.entry(text::FileError), PromptIcon::Warning);
    }
    ladefehler_ = false;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (deferCloseForModule()) {
        event->ignore();
        return;
    }
    if (queryUnload())
        event->accept();
    else
        event->ignore();
}

// False when the window must stay open because the save the user asked for did not happen.
bool MainWindow::queryUnload() {
    context_.settings->write(k::kSlider, QString::number(sequence_->onTime()));
    return askAboutChangesOnClose();
}

}  // namespace vireo
