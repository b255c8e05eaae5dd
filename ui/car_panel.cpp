#include "ui/car_panel.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLabel>

#include "car/car_layout.h"
#include "car/lamp_model.h"
#include "module/port_choice.h"
#include "platform/app_info.h"
#include "session/editing_session.h"
#include "text/language.h"
#include "text/text_ids.h"
#include "ui/corner_picture.h"

namespace vireo {

namespace {
const char* const kPictureName[5] = {"", "imaVR", "imaVL", "imaHL", "imaHR"};

QLabel* namedLabel(QWidget* parent, const char* name, const QString& text, const QRect& place) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(place);
    return label;
}
}  // namespace

CarPanel::CarPanel(EditingSession& session, const LanguageTable& texts,
                   std::function<EditOptions()> editOptions, QWidget* parent)
    : QWidget(parent), session_(session), texts_(texts), editOptions_(std::move(editOptions)) {
    setObjectName(QStringLiteral("carPanel"));
    setFixedSize(carPanelSize());
    labInfo_ = namedLabel(this, "labInfo", texts_.entry(text::NotConnected), QRect(8, 6, 250, 20));
    labPort_ = namedLabel(this, "labPort", portLabelText(1), QRect(262, 6, 70, 20));
    labX_ = namedLabel(this, "labX", texts_.entry(text::MouseXLabel), QRect(334, 6, 30, 20));
    labY_ = namedLabel(this, "labY", texts_.entry(text::MouseYLabel), QRect(366, 6, 30, 20));
    showCoordinates(false);
    for (int c = 1; c <= 4; ++c) {
        auto* picture = new CornerPicture(this);
        picture->setObjectName(QString::fromLatin1(kPictureName[c]));
        picture->setGeometry(cornerPictureRect(c));
        pictures_[c] = picture;
        connect(picture, &CornerPicture::mouseMoved, this, [this, c](float x, float y) {
            session_.pictureMouse(c, kNoButton, x, y, editOptions_());
        });
        connect(picture, &CornerPicture::mousePressed, this,
                [this, c](int button, float x, float y) {
                    session_.pictureMouse(c, button, x, y, editOptions_());
                });
    }
    plateFront_ = namedLabel(this, "picNummernschild_V", QString(), QRect(164, 211, 89, 19));
    plateFrontLabel_ = namedLabel(plateFront_, "labNummernschild_V", kCompany, QRect(0, 0, 89, 19));
    plateFrontLabel_->setAlignment(Qt::AlignCenter);
    plateRear_ = namedLabel(this, "picNummernschild_H", QString(), QRect(164, 426, 86, 16));
    for (QLabel* plate : {plateFront_, plateRear_}) plate->raise();

    connect(&session_, &EditingSession::cornersChanged, this, [this](const QList<int>& corners) {
        for (int corner : corners) drawCorner(corner);
        showFocusedLamp();
    });
    connect(&session_, &EditingSession::pictureActions, this, &CarPanel::applyPictureActions);
    connect(&session_, &EditingSession::mousePosition, this,
            [this](const QString& x, const QString& y) {
                if (!labX_->isVisible()) return;
                labX_->setText(x);
                labY_->setText(y);
            });
    connect(&session_, &EditingSession::setupChanged, this, [this] {
        placeNumberPlates();
        targets_ = lampTargets(session_.setup().regions);
        focused_ = std::clamp(focused_, 0, std::max(0, int(targets_.size()) - 1));
        showFocusedLamp();
    });
    placeNumberPlates();
    setFocusPolicy(Qt::TabFocus);
    showFocusedLamp();
}

QWidget* CarPanel::statusLine() const {
    return labInfo_;
}

void CarPanel::applyLanguage() {
    setStatusText(texts_.entry(text::NotConnected));
    showFocusedLamp();
}

void CarPanel::keyPressEvent(QKeyEvent* event) {
    const int count = int(targets_.size());
    if (count == 0) return QWidget::keyPressEvent(event);
    switch (event->key()) {
        case Qt::Key_Right:
        case Qt::Key_Down:
            focused_ = (focused_ + 1) % count;
            break;
        case Qt::Key_Left:
        case Qt::Key_Up:
            focused_ = (focused_ + count - 1) % count;
            break;
        case Qt::Key_Home:
            focused_ = 0;
            break;
        case Qt::Key_End:
            focused_ = count - 1;
            break;
        case Qt::Key_Space: {
            // Exactly what a left click in the middle of the lamp does, "Autom." included.
            const LampTarget& t = targets_[size_t(focused_)];
            session_.pictureMouse(t.corner, kLeftButton, float(t.clickTwips.x()),
                                  float(t.clickTwips.y()), editOptions_());
            break;
        }
        default:
            return QWidget::keyPressEvent(event);
    }
    showFocusedLamp();
}

void CarPanel::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    showFocusRing();
}

// Also while the window goes: only the panel's own parts are used.
void CarPanel::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    showFocusRing();
}

const LampTarget* CarPanel::focusedTarget() const {
    if (targets_.empty()) return nullptr;
    return &targets_[size_t(std::clamp(focused_, 0, int(targets_.size()) - 1))];
}

void CarPanel::showFocusRing() {
    const LampTarget* target = focusedTarget();
    for (int c = 1; c <= 4; ++c) {
        const bool ringed = target && hasFocus() && target->corner == c;
        pictures_[c]->setFocusRing(ringed ? target->outline : QRect());
    }
}

void CarPanel::showFocusedLamp() {
    showFocusRing();
    const LampTarget* target = focusedTarget();
    QString name = texts_.entry(text::LightFunctionsFrame).trimmed();
    if (target) {
        const bool lit = lampLit(session_.lamps(), target->row);
        name = texts_.entry(lit ? text::LampOnName : text::LampOffName)
                   .arg(lampRowLabel(texts_, target->row));
    }
    if (name == accessibleName()) return;
    setAccessibleName(name);
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

void CarPanel::setStatusText(const QString& text) {
    labInfo_->setText(text);
}

void CarPanel::setPortText(const QString& text) {
    labPort_->setText(text);
}

void CarPanel::showCoordinates(bool shown) {
    labX_->setVisible(shown);
    labY_->setVisible(shown);
}

void CarPanel::drawCorner(int corner) {
    const int number =
        pictureNumber(session_.setup().base(corner), lampByte(session_.lamps(), corner));
    pictures_[corner]->setPicture(store_.picture(number, devicePixelRatioF()));
}

void CarPanel::placeNumberPlates() {
    const qreal dpr = devicePixelRatioF();
    const VehicleSetup& setup = session_.setup();
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

void CarPanel::applyPictureActions(const EditActions& actions) {
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
