#include "session/module_controller.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include "car/vehicle_catalogue.h"
#include "image/image_memory_check.h"
#include "module/handshake.h"
#include "module/module_type_query.h"
#include "module/port_choice.h"
#include "module/upload_image.h"
#include "platform/app_info.h"
#include "platform/silent_prompter.h"
#include "session/module_line.h"
#include "session/module_reports.h"
#include "text/text_ids.h"
#include "vehicle/option_rules.h"

namespace vireo {

namespace {

// The prompter of a job on the line: its messages go to the controller's thread as reports.
// Nothing on the module side asks the user, so questions and dialogs answer "no".
class ReportingPrompter : public SilentPrompter {
  public:
    explicit ReportingPrompter(ModuleReports& reports) : reports_(reports) {}
    void message(const QString& text, const QString& title, PromptIcon icon) override {
        emit reports_.message(text, title, icon);
    }

  private:
    ModuleReports& reports_;
};

// The settings as a job on the line writes them: the controller's thread does the writing.
class ReportingSettings : public SettingsStore {
  public:
    explicit ReportingSettings(ModuleReports& reports) : reports_(reports) {}
    QString read(const QString&) const override { return {}; }
    void write(const QString& key, const QString& text) override {
        emit reports_.settingWritten(key, text);
    }

  private:
    ModuleReports& reports_;
};

HandshakeView reportingView(ModuleReports* reports) {
    HandshakeView view;
    view.closeConnectingNotice = [reports] { emit reports->connectingNoticeClosed(); };
    view.setInfoLabel = [reports](const QString& text) { emit reports->statusText(text); };
    return view;
}

void reportMessage(ModuleReports& reports, const UserMessage& message) {
    if (!message.isEmpty()) emit reports.message(message.text, message.title, message.icon);
}

}  // namespace

ModuleController::ModuleController(SettingsStore& settings, const LanguageTable& texts,
                                   ModulePort::DeviceResolver resolver, QObject* parent)
    : QObject(parent),
      settings_(settings),
      texts_(texts),
      reports_(new ModuleReports(this)),
      line_(new ModuleLine(std::move(resolver), this)) {
    const auto queued = Qt::QueuedConnection;
    connect(line_, &ModuleLine::jobFinished, this, &ModuleController::onJobFinished, queued);
    connect(reports_, &ModuleReports::identified, this, &ModuleController::onIdentified, queued);
    connect(
        reports_, &ModuleReports::memorySize, this, [this](int bytes) { memorySize_ = bytes; },
        queued);
    connect(reports_, &ModuleReports::statusText, this, &ModuleController::statusTextChanged,
            queued);
    connect(
        reports_, &ModuleReports::connectingNoticeClosed, this,
        [this] { emit connectingNoticeChanged(false); }, queued);
    connect(reports_, &ModuleReports::progress, this, &ModuleController::progressChanged, queued);
    connect(reports_, &ModuleReports::message, this, &ModuleController::messageReady, queued);
    connect(
        reports_, &ModuleReports::settingWritten, this,
        [this](const QString& key, const QString& text) { settings_.write(key, text); }, queued);
    connect(reports_, &ModuleReports::portChecked, this, &ModuleController::portChecked, queued);
    connect(reports_, &ModuleReports::portLabel, this, &ModuleController::portLabelChanged, queued);
    line_->start();
}

ModuleController::~ModuleController() {
    delete line_;  // waits for the running job; its reports are not delivered any more
    line_ = nullptr;
}

bool ModuleController::portOpen() const {
    return line_->portOpen();
}

void ModuleController::start(int portNumber, bool showNotice,
                             std::function<void(ModulePort&)> job) {
    running_ = true;
    emit exchangeRunningChanged(true);
    if (showNotice) emit connectingNoticeChanged(true);
    line_->post(portNumber, std::move(job));
}

void ModuleController::onJobFinished() {
    running_ = false;
    emit connectingNoticeChanged(false);
    emit exchangeRunningChanged(false);
}

void ModuleController::onIdentified(const QString& type, const QString& version) {
    type_ = type;
    version_ = version;
    emit identityChanged(type, version);
}

void ModuleController::choosePort(int portNumber) {
    if (running_) return;
    start(portNumber, false, [reports = reports_, texts = texts_, portNumber](ModulePort& port) {
        ReportingPrompter prompter(*reports);
        ReportingSettings settings(*reports);
        PortChoiceView view;
        view.checkPort = [reports](int n) { emit reports->portChecked(n); };
        view.setPortLabel = [reports](const QString& text) { emit reports->portLabel(text); };
        view.closeConnectingNotice = [reports] { emit reports->connectingNoticeClosed(); };
        vireo::choosePort(portNumber, port, settings, prompter, texts, view);
    });
}

void ModuleController::readModuleType(int portNumber, bool developerMode) {
    if (running_) return;
    start(portNumber, true, [reports = reports_, texts = texts_, developerMode](ModulePort& port) {
        ReportingPrompter prompter(*reports);
        ModuleIdentity identity;
        ModuleTypeQuery query{identity, developerMode, prompter, texts, kAppTitle, {}, {}, {}, {}};
        query.modelName = [&texts](int index) { return codedModelName(index, texts); };
        query.view = reportingView(reports);
        query.applyEditionOptions = [reports, &identity] {
            emit reports->identified(identity.type, identity.version);
        };
        if (const auto size = queryModuleType(port, query)) emit reports->memorySize(*size);
    });
}

void ModuleController::sendData(int portNumber, const Document& document,
                                const VehicleOptions& options, const QString& optionString,
                                int moduleCode, bool developerMode) {
    if (running_ || !uploadWanted(document, options)) return;
    start(portNumber, true,
          [reports = reports_, texts = texts_, document, options, optionString, moduleCode,
           developerMode](ModulePort& port) {
              const ModuleOperation operation(port);
              ReportingPrompter prompter(*reports);
              ModuleIdentity identity;
              connectModule(port, identity, developerMode, prompter, texts, reportingView(reports));
              if (!identity.connected) return;
              emit reports->identified(identity.type, identity.version);
              emit reports->memorySize(kUploadCapacity);
              // The image is built for the edition of the module that answered.
              VehicleOptions edition = options;
              QString editionString = optionString;
              applyModuleType(edition, editionString, identity.type);
              const TransferProgress progress = [reports](int value, int maximum) {
                  emit reports->progress(value, maximum);
              };
              const UploadResult result =
                  uploadImage(port.exchanger(), document, edition, moduleCode, texts, progress);
              // The port closes before the report, so the module is free while it is read.
              port.close();
              emit reports->connectingNoticeClosed();
              // A module that stopped answering half-way is no longer connected, as after a
              // failed identification; an image that was not built sent nothing and changes
              // nothing about the module.
              const TransferOutcome outcome = result.transfer.outcome;
              if (outcome == TransferOutcome::EchoError || outcome == TransferOutcome::NoReply)
                  emit reports->statusText(texts.entry(text::NoModuleConnected));
              reportMessage(*reports, result.message);
          });
}

void ModuleController::checkMemory(const Document& document, const VehicleOptions& options,
                                   int moduleCode) {
    // Measured against the memory the next upload may use, whatever module was identified.
    const MemoryCheck check =
        vireo::checkMemory(document, options, moduleCode, kUploadCapacity, texts_);
    if (!check.message.isEmpty())
        emit messageReady(check.message.text, check.message.title, check.message.icon);
}

void ModuleController::startBootloader(const QString& programFolder) {
    if (running_) return;  // the bootloader needs the port the exchange holds
    // The bootloader is a separate program beside this one; the two do not communicate.
    const QString program = QDir(programFolder).filePath(QStringLiteral("Bootloader.exe"));
    int problem = 0;
    if (!QFileInfo(program).isFile()) {
        problem = text::BootloaderMissing;
    } else if (!QProcess::startDetached(program, {}, programFolder)) {
        problem = text::BootloaderNotStarted;
    }
    if (problem != 0)
        emit messageReady(
            texts_.entry(problem) + QLatin1Char('\n') + QDir::toNativeSeparators(program),
            kAppTitle, PromptIcon::Warning);
}

HelpDocument ModuleController::bootloaderHelp(const QString& programFolder, bool german) {
    return findHelpDocument(programFolder, QStringLiteral("Hilfe Bootloader.chm"),
                            german ? QStringLiteral("manual/de/bootloader.html")
                                   : QStringLiteral("manual/en/bootloader.html"));
}

}  // namespace vireo
