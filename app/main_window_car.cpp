// The car side of the main window: the four corner pictures, lamp editing by mouse, the
// number plates and the vehicle selection. The rules live in model/; this file draws.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>

#include "app/corner_picture.h"
#include "app/input_hold.h"
#include "app/main_window.h"
#include "config/ui/frm_parameter.h"
#include "desktop/ui/frm_eigenschaften.h"

namespace vireo {

namespace {
constexpr int kAutoAppendPauseMs = 200;
}  // namespace

namespace {
OptionGroupState groupState(const QVector<FrmParameter::Choice>& choices) {
    OptionGroupState group;
    group.reserve(choices.size());
    for (const auto& c : choices) group.push_back({c.caption, c.selected, c.enabled});
    return group;
}
}  // namespace

void MainWindow::setUpCar() {
    for (int c = 1; c <= 4; ++c) {
        connect(pictures_[c], &CornerPicture::mouseMoved, this,
                [this, c](float x, float y) { onPictureMouse(c, kNoButton, x, y); });
        connect(pictures_[c], &CornerPicture::mousePressed, this,
                [this, c](int button, float x, float y) { onPictureMouse(c, button, x, y); });
    }
    connect(bereich_, &QAction::triggered, this, &MainWindow::bereicheAnzeigen);
    connect(cmdBereiche_, &QPushButton::clicked, this, &MainWindow::bereicheAnzeigen);
    placeNumberPlates();
    lichtAus();
}

void MainWindow::drawCorner(int corner) {
    const int number = pictureNumber(setup_.base(corner), lampByte(lampen_, corner));
    pictures_[corner]->setPicture(store_.picture(number, devicePixelRatioF()));
}

void MainWindow::lichtAus() {
    for (int corner : vireo::lichtAus(lampen_)) drawCorner(corner);
    // The redraw dropped any outline, so the editor starts from a clean picture.
    lampEditor_.forgetArea();
}

void MainWindow::modellauswahl() {
    vireo::modellauswahl(vehicle_.model(), setup_);
    placeNumberPlates();
    updateVehicleChoiceText();
}

void MainWindow::updateVehicleChoiceText() {
    fahrzeugAuswahl_ = vireo::fahrzeugAuswahl(
        groupState(frmParameter_->typeChoices()), groupState(frmParameter_->bodyChoices()),
        groupState(frmParameter_->yearChoices()), texts_.entry(kEntryVehicleChoicePrefix));
    // The title names the document and the vehicle; it follows every change of the vehicle
    // and of the language.
    updateTitle();
}

void MainWindow::placeNumberPlates() {
    const qreal dpr = devicePixelRatioF();
    if (!setup_.nummernschildV.isEmpty()) {
        plateFront_->setGeometry(setup_.nummernschildV);
        plateFrontLabel_->setGeometry(plateFront_->rect());
    }
    if (!setup_.nummernschildH.isEmpty()) plateRear_->setGeometry(setup_.nummernschildH);
    plateFront_->setPixmap(QPixmap::fromImage(
        store_.numberPlate(PictureStore::Plate::Front, plateFront_->size(), dpr)));
    plateRear_->setPixmap(
        QPixmap::fromImage(store_.numberPlate(PictureStore::Plate::Rear, plateRear_->size(), dpr)));
}

void MainWindow::onPictureMouse(int corner, int button, float x, float y) {
    const EditOptions options{frmEigenschaften_->activationArea(),
                              chkAutomatichWeiter_->isChecked()};
    const HitOutcome outcome =
        lampEditor_.lampeTreffen(button, x, y, corner, setup_.regions, lampen_, options);
    if (labX_->isVisible()) {
        labX_->setText(outcome.labX);
        labY_->setText(outcome.labY);
    }
    applyEditActions(outcome.actions);
}

void MainWindow::applyEditActions(const EditActions& actions) {
    for (const EditAction& a : actions) {
        switch (a.kind) {
            case EditAction::Kind::SetToolTip:
                pictures_[a.corner]->setToolTipText(a.toolTip(texts_));
                break;
            case EditAction::Kind::InvertOutline:
                pictures_[a.corner]->invertOutline(a.rect);
                break;
            case EditAction::Kind::CopyOutline:
                pictures_[a.corner]->drawOutline(a.rect, a.colour);
                break;
            case EditAction::Kind::RedrawCorner:
                drawCorner(a.corner);
                break;
            case EditAction::Kind::AutoAppend: {
                // The new lamp shows for a moment; then the step is appended and Space appends
                // the next. Clicks and keys that come meanwhile act after the append, in order.
                const InputHold hold(this);
                // The pause holds the sequence still: a playback step that falls due meanwhile
                // does not replace the lamps about to be appended (the append ends playback).
                const QSignalBlocker playbackHeld(timerE_);
                QApplication::processEvents();
                context_.clock->wait(kAutoAppendPauseMs);
                appendStep();
                cmdWeiter_->setFocus();
                break;
            }
        }
    }
}

void MainWindow::bereicheAnzeigen() {
    lichtAus();
    modellauswahl();
    const EditActions outlines = vireo::bereicheAnzeigen(setup_.regions);
    for (int i = 0; i < outlines.size(); ++i) {
        applyEditActions({outlines[i]});
        if (i % 2 == 1) QApplication::processEvents();
    }
}

}  // namespace vireo
