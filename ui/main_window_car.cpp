// The car side of the main window: the car panel's place in the window, the vehicle named in the
// title, and the automatic append's hold on input. The panel draws; the session decides.

#include <QAction>
#include <QPushButton>

#include "text/text_ids.h"
#include "ui/dialogs/frm_parameter.h"
#include "ui/input_hold.h"
#include "ui/main_window.h"
#include "ui/sequence_panel.h"

namespace vireo {

namespace {
OptionGroupState groupState(const QVector<FrmParameter::Choice>& choices) {
    OptionGroupState group;
    group.reserve(choices.size());
    for (const auto& c : choices) group.push_back({c.caption, c.selected, c.enabled});
    return group;
}
}  // namespace

void MainWindow::setUpCar() {
    connect(session_, &EditingSession::setupChanged, this, &MainWindow::updateVehicleChoiceText);
    // The new lamp shows for a moment before it is appended; clicks and keys that come
    // meanwhile act after the append, in order. Then Space appends the next step.
    connect(session_, &EditingSession::autoAppendStarted, this,
            [this] { appendHold_ = std::make_unique<InputHold>(this); });
    connect(session_, &EditingSession::autoAppendFinished, this, [this] {
        sequence_->focusAppend();
        appendHold_.reset();
    });
    const auto showAreas = [this] { session_->showAreas(); };
    connect(bereich_, &QAction::triggered, this, showAreas);
    connect(cmdBereiche_, &QPushButton::clicked, this, showAreas);
    lichtAus();
}

void MainWindow::lichtAus() {
    session_->lampsOff();
}

void MainWindow::modellauswahl() {
    session_->applyModel();
}

void MainWindow::updateVehicleChoiceText() {
    fahrzeugAuswahl_ = vireo::fahrzeugAuswahl(
        groupState(frmParameter_->typeChoices()), groupState(frmParameter_->bodyChoices()),
        groupState(frmParameter_->yearChoices()), texts_.entry(text::VehicleChoicePrefix));
    // The title names the document and the vehicle; it follows every change of the vehicle
    // and of the language.
    updateTitle();
}

}  // namespace vireo
