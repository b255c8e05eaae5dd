#include "ui/dialogs/pattern_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <cmath>

#include "car/car_frame_hit.h"
#include "car/lamp_model.h"
#include "sequence/edit_limits.h"
#include "sequence/edit_outcome.h"
#include "sequence/pattern_rows.h"
#include "text/count_text.h"
#include "text/language.h"
#include "text/text_ids.h"
#include "ui/access_letters.h"
#include "ui/dialogs/show_preview.h"

namespace vireo {

namespace {

constexpr int kLampRole = Qt::UserRole;

int encoded(const PatternLamp& lamp) {
    return lamp.corner * 10 + lamp.bit;
}
PatternLamp decoded(int value) {
    return {value / 10, value % 10};
}

}  // namespace

PatternDialog::PatternDialog(const LanguageTable& texts, QWidget* parent)
    : QDialog(parent), texts_(texts) {
    setObjectName(QStringLiteral("patternDialog"));
    setWindowTitle(undoStepText(texts, text::InsertPattern));

    // The lamps by corner, in the file's corner order; the rear middle lamp once, with the
    // rear left corner, as the timeline shows it.
    lamps_ = new QTreeWidget(this);
    lamps_->setObjectName(QStringLiteral("lampList"));
    lamps_->setHeaderLabel(texts.entry(text::PatternLampsHead));
    lamps_->setAccessibleName(texts.entry(text::PatternLampsHead));
    for (int corner : {kCornerVR, kCornerVL, kCornerHL, kCornerHR}) {
        auto* group =
            new QTreeWidgetItem(lamps_, {texts.entry(text::CornerNameFirst + corner - 1)});
        group->setFlags(Qt::ItemIsEnabled);
        for (int bit = 0; bit < kLampsPerCorner; ++bit) {
            const PatternLamp lamp{corner, bit};
            if (corner == kCornerHR && isRearMiddleLamp(lamp)) continue;
            auto* item = new QTreeWidgetItem(group, {lampToolTip(texts, corner, bit)});
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
            item->setCheckState(0, Qt::Unchecked);
            item->setData(0, kLampRole, encoded(lamp));
        }
    }
    lamps_->expandAll();
    connect(lamps_, &QTreeWidget::itemChanged, this,
            [this](QTreeWidgetItem* item) { lampTicked(item); });

    // Items in the order of PatternKind and LampOrder: the index is the choice.
    kind_ = new QComboBox(this);
    kind_->setObjectName(QStringLiteral("patternKind"));
    for (int entry : {text::PatternChase, text::PatternFill, text::PatternEmpty, text::PatternBlink,
                      text::PatternAlternate, text::PatternBounce})
        kind_->addItem(texts.entry(entry));
    kind_->setAccessibleName(texts.entry(text::PatternKindLabel));

    order_ = new QComboBox(this);
    order_->setObjectName(QStringLiteral("lampOrder"));
    for (int entry : {text::OrderPicked, text::OrderAcross, text::OrderOutsideIn,
                      text::OrderInsideOut, text::OrderPairs})
        order_->addItem(texts.entry(entry));
    order_->setAccessibleName(texts.entry(text::PatternOrderLabel));

    onTime_ = new QDoubleSpinBox(this);
    onTime_->setObjectName(QStringLiteral("onTime"));
    onTime_->setDecimals(1);
    onTime_->setRange(OnTime::kShortestTenths / 10.0, OnTime::kLongestTenths / 10.0);
    onTime_->setSingleStep(0.1);
    onTime_->setValue(0.5);
    onTime_->setSuffix(texts.entry(text::OnTimeSuffix));
    onTime_->setAccessibleName(texts.entry(text::OnTimeSliderName));

    passes_ = new QSpinBox(this);
    passes_->setObjectName(QStringLiteral("passes"));
    passes_->setRange(kMinPatternPasses, kMaxPatternPasses);
    passes_->setAccessibleName(texts.entry(text::PatternPasses));

    place_ = new QLabel(this);
    place_->setObjectName(QStringLiteral("patternPlace"));
    place_->setWordWrap(true);
    cost_ = new QLabel(this);
    cost_->setObjectName(QStringLiteral("patternCost"));
    cost_->setWordWrap(true);

    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons_->button(QDialogButtonBox::Ok)->setText(texts.entry(text::Ok));
    buttons_->button(QDialogButtonBox::Cancel)->setText(texts.entry(text::Cancel));
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(texts.entry(text::PatternKindLabel), kind_);
    form->addRow(texts.entry(text::PatternOrderLabel), order_);
    form->addRow(texts.entry(text::OnTimeSliderName), onTime_);
    form->addRow(texts.entry(text::PatternPasses), passes_);
    form->addRow(place_);
    form->addRow(cost_);
    car_ = new ShowPreview(this);
    car_->setObjectName(QStringLiteral("patternPreview"));
    car_->setAccessibleName(windowTitle());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(car_, 0, Qt::AlignHCenter);
    layout->addWidget(lamps_, 1);
    layout->addLayout(form);
    layout->addWidget(buttons_);
    markAccessLetters(*this);

    const auto update = [this] { updatePreview(); };
    connect(kind_, &QComboBox::currentIndexChanged, this, update);
    connect(order_, &QComboBox::currentIndexChanged, this, update);
    connect(onTime_, &QDoubleSpinBox::valueChanged, this, update);
    connect(passes_, &QSpinBox::valueChanged, this, update);
    updatePreview();
}

PatternDialog::~PatternDialog() = default;

void PatternDialog::showCar(const VehicleSetup& setup) {
    car_->showCar(setup);
    car_->installEventFilter(this);
    updatePreview();
}

bool PatternDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == car_ && event->type() == QEvent::MouseButtonPress && car_->frameWidth() > 0) {
        const QPointF at = static_cast<QMouseEvent*>(event)->position();
        if (const auto hit = lampAtFramePoint(car_->setup().regions, car_->frameWidth(), at)) {
            const PatternLamp lamp{hit->corner, hit->bit};
            if (QTreeWidgetItem* item = lampItem(lamp)) {
                const Qt::CheckState state =
                    item->checkState(0) == Qt::Checked ? Qt::Unchecked : Qt::Checked;
                item->setCheckState(0, state);
                // As on the main pictures, the mirror lamp follows the lamp clicked.
                if (symmetric_)
                    if (QTreeWidgetItem* mirror = lampItem(mirrorLamp(lamp)))
                        mirror->setCheckState(0, state);
            }
        }
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

int PatternDialog::previewStep() const {
    return car_->step();
}

void PatternDialog::advancePreview() {
    car_->advance();
}

QTreeWidgetItem* PatternDialog::lampItem(const PatternLamp& lamp) const {
    const PatternLamp named = isRearMiddleLamp(lamp) ? PatternLamp{kCornerHL, lamp.bit} : lamp;
    for (int g = 0; g < lamps_->topLevelItemCount(); ++g) {
        QTreeWidgetItem* group = lamps_->topLevelItem(g);
        for (int i = 0; i < group->childCount(); ++i)
            if (group->child(i)->data(0, kLampRole).toInt() == encoded(named))
                return group->child(i);
    }
    return nullptr;
}

void PatternDialog::lampTicked(QTreeWidgetItem* item) {
    const QVariant data = item->data(0, kLampRole);
    if (!data.isValid()) return;
    const PatternLamp lamp = decoded(data.toInt());
    picked_.removeAll(lamp);
    if (item->checkState(0) == Qt::Checked) picked_.append(lamp);
    updatePreview();
}

PatternChoice PatternDialog::choice() const {
    PatternChoice c;
    c.kind = static_cast<PatternKind>(kind_->currentIndex());
    c.order = static_cast<LampOrder>(order_->currentIndex());
    c.lamps = picked_;
    c.tenths = int(std::lround(onTime_->value() * 10.0));
    c.passes = passes_->value();
    return c;
}

void PatternDialog::setChoice(const PatternChoice& c) {
    kind_->setCurrentIndex(static_cast<int>(c.kind));
    order_->setCurrentIndex(static_cast<int>(c.order));
    onTime_->setValue(c.tenths / 10.0);
    passes_->setValue(c.passes);
    for (int g = 0; g < lamps_->topLevelItemCount(); ++g) {
        QTreeWidgetItem* group = lamps_->topLevelItem(g);
        for (int i = 0; i < group->childCount(); ++i)
            group->child(i)->setCheckState(0, Qt::Unchecked);
    }
    // Ticked one after the other, so the picked order comes back too.
    for (const PatternLamp& lamp : c.lamps)
        if (QTreeWidgetItem* item = lampItem(lamp)) item->setCheckState(0, Qt::Checked);
}

void PatternDialog::setTarget(const PatternTarget& target) {
    target_ = target;
    updatePreview();
}

void PatternDialog::updatePreview() {
    const PatternChoice chosen = choice();
    const PatternPreview preview = previewPattern(target_, chosen);
    const Sequence& table = target_.document.sequences[target_.sequence];
    place_->setText(patternPlaceText(table, target_.selection, texts_));
    // No rows: no lamps ticked yet, or a table without room for them.
    const QString steps = countText(texts_, preview.rows.size(), text::OneStep, text::Steps);
    const auto bytes = [this](int n) { return countText(texts_, n, text::OneByte, text::Bytes); };
    if (chosen.lamps.isEmpty())
        cost_->setText(texts_.entry(text::PatternAddedBytes).arg(steps, bytes(0)));
    else if (preview.rows.isEmpty())
        cost_->setText(limitText(EditLimit::TableFull, texts_));
    else if (preview.addedBytes)
        cost_->setText(
            texts_.entry(text::PatternAddedBytes).arg(steps, bytes(*preview.addedBytes)));
    else
        cost_->setText(texts_.entry(text::PatternNoImage).arg(steps));
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(!preview.rows.isEmpty());
    // The picture plays the pattern also where it cannot go.
    const Sequence rows = preview.rows.isEmpty() ? patternRowsFor(chosen, 1) : preview.rows;

    // The preview starts again with every change.
    car_->play(rows);
}

}  // namespace vireo
