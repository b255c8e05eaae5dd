// The car side of the main window: the four corner pictures, lamp editing by mouse, the
// number plates and the vehicle selection. The session decides; this file draws.

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "text/text_ids.h"
#include "ui/corner_picture.h"
#include "ui/dialogs/frm_eigenschaften.h"
#include "ui/dialogs/frm_parameter.h"
#include "ui/input_hold.h"
#include "ui/main_window.h"

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
    for (int c = 1; c <= 4; ++c) {
        connect(pictures_[c], &CornerPicture::mouseMoved, this,
                [this, c](float x, float y) { onPictureMouse(c, kNoButton, x, y); });
        connect(pictures_[c], &CornerPicture::mousePressed, this,
                [this, c](int button, float x, float y) { onPictureMouse(c, button, x, y); });
    }
    connect(session_, &EditingSession::cornersChanged, this, [this](const QList<int>& corners) {
        for (int corner : corners) drawCorner(corner);
    });
    connect(session_, &EditingSession::pictureActions, this, &MainWindow::applyPictureActions);
    connect(session_, &EditingSession::mousePosition, this,
            [this](const QString& x, const QString& y) {
                if (!labX_->isVisible()) return;
                labX_->setText(x);
                labY_->setText(y);
            });
    connect(session_, &EditingSession::setupChanged, this, [this] {
        placeNumberPlates();
        updateVehicleChoiceText();
    });
    // The new lamp shows for a moment before it is appended; clicks and keys that come
    // meanwhile act after the append, in order. Then Space appends the next step.
    connect(session_, &EditingSession::autoAppendStarted, this,
            [this] { appendHold_ = std::make_unique<InputHold>(this); });
    connect(session_, &EditingSession::autoAppendFinished, this, [this] {
        cmdWeiter_->setFocus();
        appendHold_.reset();
    });
    const auto showAreas = [this] { session_->showAreas(); };
    connect(bereich_, &QAction::triggered, this, showAreas);
    connect(cmdBereiche_, &QPushButton::clicked, this, showAreas);
    placeNumberPlates();
    lichtAus();
}

void MainWindow::drawCorner(int corner) {
    const int number =
        pictureNumber(vehicleSetup().base(corner), lampByte(lampenZustand(), corner));
    pictures_[corner]->setPicture(store_.picture(number, devicePixelRatioF()));
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

void MainWindow::placeNumberPlates() {
    const qreal dpr = devicePixelRatioF();
    const VehicleSetup& setup = vehicleSetup();
    if (!setup.nummernschildV.isEmpty()) {
        plateFront_->setGeometry(setup.nummernschildV);
        plateFrontLabel_->setGeometry(plateFront_->rect());
    }
    if (!setup.nummernschildH.isEmpty()) plateRear_->setGeometry(setup.nummernschildH);
    plateFront_->setPixmap(QPixmap::fromImage(
        store_.numberPlate(PictureStore::Plate::Front, plateFront_->size(), dpr)));
    plateRear_->setPixmap(
        QPixmap::fromImage(store_.numberPlate(PictureStore::Plate::Rear, plateRear_->size(), dpr)));
}

void MainWindow::onPictureMouse(int corner, int button, float x, float y) {
    const EditOptions options{frmEigenschaften_->activationArea(),
                              chkAutomatichWeiter_->isChecked()};
    session_->pictureMouse(corner, button, x, y, options);
}

void MainWindow::applyPictureActions(const EditActions& actions) {
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
            case EditAction::Kind::AutoAppend:
                break;  // the session runs it
        }
    }
}

}  // namespace vireo
