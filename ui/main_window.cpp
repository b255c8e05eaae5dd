#include "ui/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QHBoxLayout>
#include <QMenu>
#include <QPointer>
#include <QSplitter>
#include <QVBoxLayout>

#include "config/settings_keys.h"
#include "desktop/register_file_type.h"
#include "platform/app_info.h"
#include "platform/program_folder.h"
#include "recovery/data_folder.h"
#include "session/document_file.h"
#include "session/window_recovery.h"
#include "text/text_ids.h"
#include "ui/animation_export_command.h"
#include "ui/car_panel.h"
#include "ui/data_panel.h"
#include "ui/dialogs/frm_eigenschaften.h"
#include "ui/dialogs/frm_parameter.h"
#include "ui/editor_scroll_area.h"
#include "ui/file_commands.h"
#include "ui/first_start.h"
#include "ui/help_commands.h"
#include "ui/main_menus.h"
#include "ui/module_commands.h"
#include "ui/options_commands.h"
#include "ui/passing_note.h"
#include "ui/program_panel.h"
#include "ui/sequence_panel.h"
#include "ui/show_commands.h"
#include "ui/timeline_panel.h"
#include "ui/window_commands.h"

namespace vireo {

namespace {
namespace k = settings_keys;

const QString kGerman = QStringLiteral("Deutsch");
}  // namespace

MainWindow::MainWindow(const AppContext& context, QWidget* parent)
    : QMainWindow(parent),
      context_(context),
      session_(
          new EditingSession(*context.settings, *context.prompter, texts_, *context.clock, this)),
      file_(new DocumentFile(*session_, *context.prompter, texts_, *context.settings, this)),
      recovery_(
          new WindowRecovery(context.dataFolder.isEmpty() ? userDataFolder() : context.dataFolder,
                             *session_, *file_, texts_, *context.clock, this)) {
    setObjectName(QStringLiteral("frmVireo"));
    setWindowTitle(kCompany + QLatin1Char(' '));
    sprache_ = context_.language;
    if (!context_.execDialog) context_.execDialog = [](QDialog& dialog) { return dialog.exec(); };
    commands_ = new WindowCommands(*session_, texts_, this);
    menus_ = new MainMenus(menuBar(), *commands_, this);

    placePanels();
    // The dialogs live as long as the window and keep their state between showings.
    frmParameter_ = new FrmParameter(session_->vehicleSettings(), this);
    frmEigenschaften_ = new FrmEigenschaften(
        *context_.settings, [this] { registerFileType(); }, this);
    new OptionsCommands(*session_, *commands_, *frmParameter_, *frmEigenschaften_,
                        *context_.settings, context_.execDialog, this);

    files_ = new FileCommands(*file_, *recovery_, *session_, texts_, *commands_, *menus_,
                              {this, [this] { return fahrzeugAuswahl_; },
                               [this](const QString& text) { sequence_->setPositionText(text); }});
    module_ = new ModuleCommands(*context_.settings, *context_.prompter, texts_, *session_,
                                 *commands_, *menus_, *car_, *data_, this);
    new HelpCommands(context_, texts_, sprache_, *commands_, this);
    new ShowCommands(*session_, texts_, *commands_, this);
    animationExport_ = new AnimationExportCommand(
        *session_, texts_, [this] { return dateiPfad(); }, *context_.prompter,
        *commands_->exportAnimation, this);
    animationExport_->setStartFolder([this] { return file_->startFolder(); });
    connectCommands();
    lichtAus();
}

MainWindow::~MainWindow() {
    // The session goes with the window's children, after its members: it must not reach them.
    session_->silence();
}

void MainWindow::placePanels() {
    auto* central = new QWidget(this);
    setCentralWidget(central);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    // The face above, the timeline panel below; the user moves the line between.
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

    // The car keeps the pictures at their places; the table side takes the rest.
    car_ = new CarPanel(
        *session_, texts_,
        [this] {
            return EditOptions{frmEigenschaften_->activationArea(), sequence_->autoAppend()};
        },
        central);
    row->addWidget(car_, 0, Qt::AlignTop);
    // The timeline may take all of the window but the editor part's first line, its status.
    editorScroll->setFirstLine(car_->statusLine());
    sequence_ = new SequencePanel(*session_, texts_, *commands_, central);
    row->addWidget(sequence_, 1);

    data_ = new DataPanel(*commands_, central);
    program_ = new ProgramPanel(*commands_, central);
    sequence_->addFrames(data_, program_);
    resize(860, 640);

    timeline_ = new TimelinePanel(*session_, texts_, *context_.settings, central);
    timeline_->placeIn(splitter);
    timeline_->follow(*session_, *commands_);
    sequence_->setFocus();  // the table side has the focus at the start, not the lamps
    menus_->insertMenu(timeline_->viewMenu());
}

void MainWindow::connectCommands() {
    connect(commands_->exit, &QAction::triggered, this, &QWidget::close);
    connect(module_, &ModuleCommands::closeRequested, this, &QWidget::close);
    connect(menus_, &MainMenus::languageChosen, this, &MainWindow::chooseLanguage);
    connect(sequence_, &SequencePanel::tableMenuRequested, this, [this](const QPoint& at) {
        if (session_->tableMenuState().shown) menus_->table()->popup(at);
    });
    connect(session_, &EditingSession::setupChanged, this, &MainWindow::updateVehicleChoiceText);
    connect(animationExport_, &AnimationExportCommand::statusText, this,
            [this](const QString& text) { showPassingNote(*this, text); });
}

ModuleController& MainWindow::module() const {
    return module_->controller();
}

QString MainWindow::dateiPfad() const {
    return file_->path();
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
    developerMode_ = context_.settings->read(k::kDeveloper) == k::kTrue;
    const qint64 splashEnd = clock.nowMs() + splashMinimumMs();
    car_->showCoordinates(developerMode_);
    program_->showDeveloperButtons(developerMode_);
    commands_->clearSettings->setVisible(developerMode_);
    module_->setDeveloperMode(developerMode_);

    menus_->setLanguages(listLanguages(programFolder()), sprache_);
    if (sprache_.isEmpty()) sprache_ = kGerman;
    applyLanguage();

    const StartupSettings settings = loadStartupSettings(*context_.settings);
    applyStartupSettings(settings);

    // Whatever becomes of a command-line file, the stored vehicle stays what it was: a file that
    // cannot be read is reported, and the stored model and options are applied as at every start.
    const QString path = context_.commandLine;
    const KvsReadResult read = path.isEmpty() ? KvsReadResult{} : file_->openAtStart(path);
    const bool opened = !path.isEmpty() && read.verdict == KvsVerdict::Loaded;
    const Document& document = session_->document();
    session_->applyVehicle(opened ? document.model : settings.model,
                           opened ? document.options : settings.options);
    lichtAus();
    if (!path.isEmpty() && read.verdict == KvsVerdict::Damaged) {
        context_.prompter->message(texts_.entry(text::ChecksumWrong), texts_.entry(text::FileError),
                                   PromptIcon::Warning);
        return finish();
    }
    if (!path.isEmpty() && read.verdict == KvsVerdict::Unreadable) {
        // A start never stops on a load failure: the first layout names the file and why.
        loadProblem_ = QDir::toNativeSeparators(path) + QStringLiteral(": ") + read.problem;
        return finish();
    }
    // The splash stays for its minimum time, measured on a monotonic clock; nothing waits for
    // it meanwhile.
    clock.singleShot(static_cast<int>(std::max<qint64>(0, splashEnd - clock.nowMs())), this,
                     finish);
}

void MainWindow::applyStartupSettings(const StartupSettings& s) {
    module_->applyStartupSettings(s);
    sequence_->applyStartupSettings(s);
    frmEigenschaften_->showSettings(s);
    session_->setHoldTimes(s.welcomeHold.value_or(-1), s.goodbyeHold.value_or(-1));
    erststart_ = s.firstStart;
    // Stored values that could not be used are replaced in the store too, so the user hears of
    // them once.
    storeCorrections(*context_.settings, s.corrections);
    settingCorrections_ = s.corrections;
}

void MainWindow::chooseLanguage(const QString& name) {
    context_.settings->write(k::kLanguage, name);
    sprache_ = name;
    applyLanguage();
    sequence_->updateOnTimeLabel();
}

void MainWindow::applyLanguage() {
    // Missing entries fall back to the built-in German texts; say once what is wrong.
    if (texts_.load(programFolder(), sprache_) != LanguageTable::Status::Ok &&
        !languageProblemReported_) {
        languageProblemReported_ = true;
        context_.prompter->message(texts_.problemText(), kAppTitle, PromptIcon::Warning);
    }
    frmParameter_->applyToolTip(texts_);
    timeline_->applyLanguage();
    files_->refreshExamples();
    // The answer buttons of every box follow the language, the German one too.
    context_.prompter->setAnswerCaptions({texts_.entry(text::Yes), texts_.entry(text::No),
                                          texts_.entry(text::Ok), texts_.entry(text::Cancel)});
    // Every caption comes from the table, at every start and every change of language.
    const LanguageTable& t = texts_;
    commands_->applyLanguage();
    animationExport_->applyLanguage();
    sequence_->applyLanguage();
    data_->applyLanguage(t);
    program_->applyLanguage(t);
    car_->applyLanguage();
    frmEigenschaften_->applyCaptions(t);
    frmParameter_->applyCaptions(t);
    updateVehicleChoiceText();
    menus_->applyLanguage(t);
}

void MainWindow::updateVehicleChoiceText() {
    fahrzeugAuswahl_ = frmParameter_->vehicleChoiceText(texts_);
    // The title names the document and the vehicle; it follows every change of the vehicle
    // and of the language. Before the file commands exist there is nothing to name yet.
    if (files_) files_->refreshTitle();
}

void MainWindow::registerFileType() {
    Dateityp_Registrieren(sequenceFileType(), context_.xdgDataFolder);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!firstLayoutDone_) firstLayout();
}

void MainWindow::firstLayout() {
    // The first layout tells of corrected settings, runs the first-start sequence and reports
    // a load failure, once per run.
    firstLayoutDone_ = true;
    Prompter& ask = *context_.prompter;
    if (!settingCorrections_.isEmpty())
        ask.message(correctionsMessage(settingCorrections_, texts_), kAppTitle,
                    PromptIcon::Warning);
    settingCorrections_.clear();
    if (erststart_)
        runFirstStart(
            ask, texts_, [this] { context_.execDialog(*frmParameter_); },
            [this] { registerFileType(); });
    if (!loadProblem_.isEmpty()) {
        // The stored vehicle was applied while loading; here the file is named with the reason.
        ask.message(texts_.entry(text::LoadWarning) + QStringLiteral("\n\n") + loadProblem_,
                    texts_.entry(text::FileError), PromptIcon::Warning);
    }
    loadProblem_.clear();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // An exchange with the module runs to its end first; the window closes when it has ended.
    if (module_->deferClose()) {
        event->ignore();
        return;
    }
    context_.settings->write(k::kSlider, QString::number(sequence_->onTime()));
    // A failed or cancelled save keeps the window open for another try.
    event->setAccepted(file_->askOnClose());
}

}  // namespace vireo
