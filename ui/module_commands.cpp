#include "ui/module_commands.h"

#include <QAction>
#include <QMenu>

#include "config/startup_settings.h"
#include "module/port_names.h"
#include "platform/program_folder.h"
#include "session/editing_session.h"
#include "session/module_controller.h"
#include "text/text_ids.h"
#include "ui/car_panel.h"
#include "ui/connecting_notice.h"
#include "ui/data_panel.h"
#include "ui/main_menus.h"
#include "ui/window_commands.h"

namespace vireo {

namespace {

QString environmentValue(const QString& name) {
    return qEnvironmentVariable(name.toLocal8Bit().constData());
}

}  // namespace

ModuleCommands::ModuleCommands(SettingsStore& settings, Prompter& prompter,
                               const LanguageTable& texts, EditingSession& session,
                               WindowCommands& commands, MainMenus& menus, CarPanel& car,
                               DataPanel& data, QWidget* window)
    : QObject(window),
      prompter_(prompter),
      texts_(texts),
      commands_(commands),
      car_(car),
      module_(new ModuleController(
          settings, texts, [](int n) { return systemDeviceForPort(n); }, this)),
      connectingNotice_(new FrmVerbindung(window)) {
    ModuleController* m = module_;
    connect(m, &ModuleController::identityChanged, this,
            [&session](const QString& type) { session.setModuleType(type); });
    connect(m, &ModuleController::statusTextChanged, &car, &CarPanel::setStatusText);
    connect(m, &ModuleController::progressChanged, &data, &DataPanel::showProgress);
    connect(m, &ModuleController::connectingNoticeChanged, this, [this](bool shown) {
        if (!shown) {
            connectingNotice_->hide();
            return;
        }
        connectingNotice_->applyCaptions(texts_);
        connectingNotice_->showNow();
    });
    connect(m, &ModuleController::exchangeRunningChanged, this, &ModuleCommands::onExchangeRunning);
    connect(m, &ModuleController::messageReady, this,
            [this](const QString& text, const QString& title, PromptIcon icon) {
                // A window that is about to close has no use for the report.
                if (!closeAfterExchange_) prompter_.message(text, title, icon);
            });
    connect(m, &ModuleController::portChecked, this, [this](int chosen) {
        for (int i = kFirstPortNumber; i <= kLastPortNumber; ++i)
            commands_.ports[i]->setChecked(i == chosen);
    });
    connect(m, &ModuleController::portLabelChanged, &car, &CarPanel::setPortText);

    for (int i = kFirstPortNumber; i <= kLastPortNumber; ++i)
        connect(commands.ports[i], &QAction::triggered, this, [this, i] { choosePort(i); });
    connect(menus.connection(), &QMenu::aboutToShow, this, &ModuleCommands::refreshPortCaptions);
    connect(commands.readModuleType, &QAction::triggered, this,
            [this] { module_->readModuleType(port_, developerMode_); });
    connect(commands.update, &QAction::triggered, this,
            [this] { module_->startBootloader(programFolder()); });
    // The image is built from the document, the options and the model as they are now.
    connect(commands.send, &QAction::triggered, this, [this, &session] {
        const VehicleSettings& vehicle = session.vehicleSettings();
        module_->sendData(port_, session.document(), vehicle.options(), vehicle.optionString(),
                          session.setup().modellnummer, developerMode_);
    });
    connect(commands.memoryCheck, &QAction::triggered, this, [this, &session] {
        module_->checkMemory(session.document(), session.vehicleSettings().options(),
                             session.setup().modellnummer);
    });
    refreshPortCaptions();
}

void ModuleCommands::applyStartupSettings(const StartupSettings& settings) {
    if (settings.port) port_ = *settings.port;
    car_.setPortText(settings.portLabel);
    for (int i = kFirstPortNumber; i <= kLastPortNumber; ++i)
        commands_.ports[i]->setChecked(settings.portTicks[i - 1]);
}

void ModuleCommands::refreshPortCaptions() {
    const QStringList devices = systemSerialDevices();
    for (int i = kFirstPortNumber; i <= kLastPortNumber; ++i) {
        const QString device = devicePathForPort(i, devices, environmentValue);
        commands_.ports[i]->setText(device.isEmpty()
                                        ? portCaption(i)
                                        : QStringLiteral("%1 (%2)").arg(portCaption(i), device));
    }
}

void ModuleCommands::onExchangeRunning(bool running) {
    commands_.setExchangeRunning(running);
    if (running || !closeAfterExchange_) return;
    // The user closed the window while the exchange ran: close it now, asking as usual.
    closeAfterExchange_ = false;
    Q_EMIT closeRequested();
}

bool ModuleCommands::deferClose() {
    if (!module_->exchangeRunning()) return false;
    closeAfterExchange_ = true;
    car_.setStatusText(texts_.entry(text::ClosingAfterExchange));
    return true;
}

void ModuleCommands::choosePort(int portNumber) {
    if (module_->exchangeRunning()) return;
    port_ = portNumber;
    module_->choosePort(portNumber);
}

}  // namespace vireo
