// The module commands of the main window: the port menu, "Modul-Typ auslesen", the firmware
// update hand-off, the upload and the memory check. The rules live in module/; this file wires
// them to the window's controls.
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>

#include "app/connecting_notice.h"
#include "app/main_window.h"
#include "config/ui/frm_parameter.h"
#include "desktop/help_file.h"
#include "desktop/url_opener.h"
#include "model/vehicle_catalogue.h"
#include "module/handshake.h"
#include "module/image_memory_check.h"
#include "module/module_type_query.h"
#include "module/port_choice.h"
#include "module/port_names.h"
#include "module/serial_byte_link.h"
#include "module/upload_image.h"
#include "platform/app_info.h"
#include "platform/program_folder.h"

namespace vireo {

namespace {

// Passes the module commands' messages on, until the window closes during an exchange: the
// exchange then runs out at once on the closed port, and what it would report is of no use.
class ExchangePrompter : public Prompter {
  public:
    explicit ExchangePrompter(Prompter& target) : target_(target) {}
    bool silenced = false;

    void message(const QString& text, const QString& title, PromptIcon icon) override {
        if (!silenced) target_.message(text, title, icon);
    }
    bool question(const QString& text, const QString& title) override {
        return !silenced && target_.question(text, title);
    }
    std::optional<QString> input(const QString& prompt, const QString& title,
                                 const QString& defaultText) override {
        if (silenced) return std::nullopt;
        return target_.input(prompt, title, defaultText);
    }
    QString openFileName(const QString& title, const QString& filter) override {
        return silenced ? QString() : target_.openFileName(title, filter);
    }
    QString saveFileName(const QString& title, const QString& filter,
                         const QString& suffix) override {
        return silenced ? QString() : target_.saveFileName(title, filter, suffix);
    }
    void beep() override {
        if (!silenced) target_.beep();
    }

  private:
    Prompter& target_;
};

void showMessage(Prompter& prompter, const UserMessage& message) {
    if (!message.isEmpty()) prompter.message(message.text, message.title, message.icon);
}

QString environmentValue(const QString& name) {
    return qEnvironmentVariable(name.toLocal8Bit().constData());
}

// Disables the module commands for the lifetime of one exchange, so a click during the waits
// cannot start a second exchange on the same line.
class ModuleCommandLock {
  public:
    explicit ModuleCommandLock(std::function<void(bool)> enable) : enable_(std::move(enable)) {
        enable_(false);
    }
    ~ModuleCommandLock() { enable_(true); }
    ModuleCommandLock(const ModuleCommandLock&) = delete;
    ModuleCommandLock& operator=(const ModuleCommandLock&) = delete;

  private:
    std::function<void(bool)> enable_;
};

}  // namespace

struct MainWindow::ModuleState {
    ModuleState(Clock& clock, Prompter& target)
        : port(link, clock, [](int n) { return systemDeviceForPort(n); }), prompter(target) {}

    SerialByteLink link;
    ModulePort port;
    ExchangePrompter prompter;
    ModuleIdentity identity;
    int speichergroesse = 0;  // the memory the module reported (the upload uses kUploadCapacity)
    FrmVerbindung* notice = nullptr;
};

void MainWindow::setUpModule() {
    module_ = {new ModuleState(*context_.clock, *context_.prompter),
               [](ModuleState* state) { delete state; }};
    module_->port.setNumber(port_);
    module_->notice = new FrmVerbindung(this);

    for (int i = kFirstPortNumber; i <= kLastPortNumber; ++i)
        connect(portItems_[i], &QAction::triggered, this, [this, i] { portClick(i); });
    connect(menuConnect_, &QMenu::aboutToShow, this, &MainWindow::refreshPortCaptions);
    connect(mType_, &QAction::triggered, this, &MainWindow::mTypeClick);
    connect(update_, &QAction::triggered, this, &MainWindow::updateClick);
    connect(hilfe_, &QAction::triggered, this, [this] { htmlHelpBootloader(); });
    connect(cmdDaten_, &QPushButton::clicked, this, &MainWindow::cmdDatenClick);
    connect(cmdSpeicherbedarf_, &QPushButton::clicked, this, &MainWindow::cmdSpeicherbedarfClick);
    refreshPortCaptions();
}

QString MainWindow::modulTyp() const {
    return module_->identity.type;
}

QString MainWindow::modulVer() const {
    return module_->identity.version;
}

int MainWindow::speichergroesse() const {
    return module_->speichergroesse;
}

bool MainWindow::moduleExchangeRunning() const {
    return module_->port.operationRunning();
}

bool MainWindow::modulePortOpen() const {
    return module_->port.isOpen();
}

void MainWindow::refreshPortCaptions() {
    // The caption keeps "Com n" first and adds the device the item reaches, so the user can
    // tell which adapter is which.
    const QStringList devices = systemSerialDevices();
    for (int i = kFirstPortNumber; i <= kLastPortNumber; ++i) {
        const QString device = devicePathForPort(i, devices, environmentValue);
        portItems_[i]->setText(device.isEmpty()
                                   ? portCaption(i)
                                   : QStringLiteral("%1 (%2)").arg(portCaption(i), device));
    }
}

void MainWindow::showConnectingNotice() {
    module_->notice->applyCaptions(texts_);
    module_->notice->showNow();
}

void MainWindow::closeConnectingNotice() {
    module_->notice->hide();
}

void MainWindow::setModuleCommandsEnabled(bool enabled) {
    mType_->setEnabled(enabled);
    cmdDaten_->setEnabled(enabled);
    cmdSpeicherbedarf_->setEnabled(enabled);
    update_->setEnabled(enabled);  // the bootloader needs the port the exchange holds
    for (int i = kFirstPortNumber; i <= kLastPortNumber; ++i) portItems_[i]->setEnabled(enabled);
}

int MainWindow::moduleCode() const {
    // The catalogue index of the model last applied to the window.
    return session_->setup().modellnummer;
}

void MainWindow::closeModulePort() {
    if (!module_) return;
    if (module_->port.operationRunning()) module_->prompter.silenced = true;
    module_->port.close();
    closeConnectingNotice();
}

void MainWindow::portClick(int index) {
    if (module_->port.operationRunning()) return;
    module_->prompter.silenced = false;
    PortChoiceView view;
    view.checkPort = [this](int chosen) {
        for (int i = kFirstPortNumber; i <= kLastPortNumber; ++i)
            portItems_[i]->setChecked(i == chosen);
    };
    view.setPortLabel = [this](const QString& text) { labPort_->setText(text); };
    view.closeConnectingNotice = [this] { closeConnectingNotice(); };
    choosePort(index, module_->port, *context_.settings, module_->prompter, texts_, view);
    port_ = index;
}

void MainWindow::mTypeClick() {
    ModuleState& m = *module_;
    if (m.port.operationRunning()) return;
    m.prompter.silenced = false;
    m.port.setNumber(port_);
    const ModuleCommandLock lock([this](bool on) { setModuleCommandsEnabled(on); });

    ModuleTypeQuery query{m.identity, developerMode_, m.prompter, texts_, kAppTitle, {}, {}, {},
                          {}};
    query.modelName = [](int index) { return modellnamen().value(index); };
    query.showConnectingNotice = [this] { showConnectingNotice(); };
    query.view.closeConnectingNotice = [this] { closeConnectingNotice(); };
    query.view.setInfoLabel = [this](const QString& text) { labInfo_->setText(text); };
    query.applyEditionOptions = [this, &m] { vehicle_.setModuleType(m.identity.type); };
    if (const auto size = queryModuleType(m.port, query)) m.speichergroesse = *size;
    m.port.close();
    closeConnectingNotice();
}

void MainWindow::cmdDatenClick() {
    ModuleState& m = *module_;
    if (!uploadWanted(editor_.document(), vehicle_.options())) return;
    const ModuleOperation operation(m.port);
    if (!operation.started()) return;
    m.prompter.silenced = false;
    m.port.setNumber(port_);
    const ModuleCommandLock lock([this](bool on) { setModuleCommandsEnabled(on); });

    showConnectingNotice();
    HandshakeView view;
    view.closeConnectingNotice = [this] { closeConnectingNotice(); };
    view.setInfoLabel = [this](const QString& text) { labInfo_->setText(text); };
    connectModule(m.port, m.identity, developerMode_, m.prompter, texts_, view);
    if (m.identity.connected) {
        vehicle_.setModuleType(m.identity.type);
        m.speichergroesse = kUploadCapacity;
        const TransferProgress progress = [this](int value, int maximum) {
            sendProgress_->setMaximum(maximum);
            sendProgress_->setValue(value);
            QCoreApplication::processEvents();
        };
        const UploadResult result = uploadImage(m.port.exchanger(), editor_.document(),
                                                vehicle_.options(), moduleCode(), texts_, progress);
        sendProgress_->setValue(0);
        // The port closes before the report, so the module is free while the box is open.
        m.port.close();
        closeConnectingNotice();
        showMessage(m.prompter, result.message);
    }
    m.port.close();
    closeConnectingNotice();
}

void MainWindow::cmdSpeicherbedarfClick() {
    // Measured against the memory the next upload may use, whatever module was identified.
    const MemoryCheck check =
        checkMemory(editor_.document(), vehicle_.options(), moduleCode(), kUploadCapacity, texts_);
    showMessage(*context_.prompter, check.message);
}

void MainWindow::updateClick() {
    // The bootloader is a separate program beside this one; the two do not communicate.
    const QString program = QDir(programFolder()).filePath(QStringLiteral("Bootloader.exe"));
    constexpr int kEntryProgramMissing = 229;
    constexpr int kEntryProgramNotStarted = 272;
    int problem = 0;
    if (!QFileInfo(program).isFile()) {
        problem = kEntryProgramMissing;
    } else if (!QProcess::startDetached(program, {}, programFolder())) {
        problem = kEntryProgramNotStarted;
    }
    if (problem != 0)
        context_.prompter->message(
            texts_.entry(problem) + QLatin1Char('\n') + QDir::toNativeSeparators(program),
            kAppTitle, PromptIcon::Warning);
}

void MainWindow::htmlHelpBootloader(const QString&) {
    const bool german = sprache_ == QLatin1String("Deutsch");
    const HelpDocument help =
        findHelpDocument(programFolder(), QStringLiteral("Hilfe Bootloader.chm"),
                         german ? QStringLiteral("manual/de/bootloader.html")
                                : QStringLiteral("manual/en/bootloader.html"));
    openHelp(help);
}

}  // namespace vireo
