// The module commands of the main window: the port menu, "Modul-Typ auslesen", the firmware
// update hand-off, the upload and the memory check. The module controller (session/) runs them
// and reports what to show; this file forwards the user's commands and shows the reports.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include "module/port_names.h"
#include "platform/program_folder.h"
#include "session/module_controller.h"
#include "text/text_ids.h"
#include "ui/car_panel.h"
#include "ui/connecting_notice.h"
#include "ui/data_panel.h"
#include "ui/main_window.h"

namespace vireo {

namespace {

QString environmentValue(const QString& name) {
    return qEnvironmentVariable(name.toLocal8Bit().constData());
}

}  // namespace

void MainWindow::setUpModule() {
    module_ = new ModuleController(
        *context_.settings, texts_, [](int n) { return systemDeviceForPort(n); }, this);
    connectingNotice_ = new FrmVerbindung(this);

    connect(module_, &ModuleController::identityChanged, this,
            [this](const QString& type) { vehicle_.setModuleType(type); });
    connect(module_, &ModuleController::statusTextChanged, car_, &CarPanel::setStatusText);
    connect(module_, &ModuleController::progressChanged, data_, &DataPanel::showProgress);
    connect(module_, &ModuleController::connectingNoticeChanged, this, [this](bool shown) {
        if (!shown) {
            connectingNotice_->hide();
            return;
        }
        connectingNotice_->applyCaptions(texts_);
        connectingNotice_->showNow();
    });
    connect(module_, &ModuleController::exchangeRunningChanged, this,
            &MainWindow::onModuleExchangeRunning);
    connect(module_, &ModuleController::messageReady, this,
            [this](const QString& text, const QString& title, PromptIcon icon) {
                // A window that is about to close has no use for the report.
                if (!closeAfterExchange_) context_.prompter->message(text, title, icon);
            });
    connect(module_, &ModuleController::portChecked, this, [this](int chosen) {
        for (int i = kFirstPortNumber; i <= kLastPortNumber; ++i)
            portItems_[i]->setChecked(i == chosen);
    });
    connect(module_, &ModuleController::portLabelChanged, car_, &CarPanel::setPortText);

    for (int i = kFirstPortNumber; i <= kLastPortNumber; ++i)
        connect(portItems_[i], &QAction::triggered, this, [this, i] { portClick(i); });
    connect(menuConnect_, &QMenu::aboutToShow, this, &MainWindow::refreshPortCaptions);
    connect(mType_, &QAction::triggered, this,
            [this] { module_->readModuleType(port_, developerMode_); });
    connect(update_, &QAction::triggered, this,
            [this] { module_->startBootloader(programFolder()); });
    connect(hilfe_, &QAction::triggered, this, [this] { htmlHelpBootloader(); });
    connect(data_, &DataPanel::sendRequested, this, [this] {
        module_->sendData(port_, editor_.document(), vehicle_.options(), vehicle_.optionString(),
                          moduleCode(), developerMode_);
    });
    connect(data_, &DataPanel::memoryCheckRequested, this,
            [this] { module_->checkMemory(editor_.document(), vehicle_.options(), moduleCode()); });
    refreshPortCaptions();
}

QString MainWindow::modulTyp() const {
    return module_->moduleType();
}

QString MainWindow::modulVer() const {
    return module_->moduleVersion();
}

int MainWindow::speichergroesse() const {
    return module_->memorySize();
}

bool MainWindow::moduleExchangeRunning() const {
    return module_->exchangeRunning();
}

bool MainWindow::modulePortOpen() const {
    return module_->portOpen();
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

void MainWindow::onModuleExchangeRunning(bool running) {
    mType_->setEnabled(!running);
    data_->setExchangeRunning(running);
    update_->setEnabled(!running);  // the bootloader needs the port the exchange holds
    for (int i = kFirstPortNumber; i <= kLastPortNumber; ++i) portItems_[i]->setEnabled(!running);
    if (running || !closeAfterExchange_) return;
    // The user closed the window while the exchange ran: close it now, asking as usual.
    closeAfterExchange_ = false;
    close();
}

int MainWindow::moduleCode() const {
    // The catalogue index of the model last applied to the window.
    return session_->setup().modellnummer;
}

bool MainWindow::deferCloseForModule() {
    if (!module_ || !module_->exchangeRunning()) return false;
    // The exchange runs to its end (an upload sends its end frame, so the module is not left
    // waiting); the window closes when the controller reports it.
    closeAfterExchange_ = true;
    car_->setStatusText(texts_.entry(text::ClosingAfterExchange));
    return true;
}

void MainWindow::portClick(int index) {
    if (module_->exchangeRunning()) return;
    port_ = index;
    module_->choosePort(index);
}

void MainWindow::htmlHelpBootloader(const QString&) {
    openHelp(
        ModuleController::bootloaderHelp(programFolder(), sprache_ == QLatin1String("Deutsch")));
}

}  // namespace vireo
