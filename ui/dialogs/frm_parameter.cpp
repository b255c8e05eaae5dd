#include "ui/dialogs/frm_parameter.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "car/vehicle_catalogue.h"
#include "sequence/edit_outcome.h"
#include "text/language.h"
#include "text/text_ids.h"
#include "ui/access_letters.h"

namespace vireo {

namespace {

struct BoxSpec {
    OptionBoxId id;
    const char* name;
};

// Object names, in the order of kOptionBoxes.
const BoxSpec kBoxSpecs[] = {
    {OptionBoxId::Abbiegelicht, "chk_Abbiegelicht"},
    {OptionBoxId::Tagfahrlicht, "chkTagfahrlicht"},
    {OptionBoxId::StandlichtUs, "chkStandlicht_US"},
    {OptionBoxId::TagfahrlichtStandlicht, "chkTagfahrlicht_Standlicht"},
    {OptionBoxId::ComingHomeAuf, "chkCommingHome_Auf"},
    {OptionBoxId::ComingHomeZu, "chkCommingHome_Zu"},
    {OptionBoxId::SpiegelKurz, "chkSpiegel_Kurz"},
    {OptionBoxId::SpiegelLang, "chkSpiegel_Lang"},
    {OptionBoxId::SoftEin, "chkSoft_Ein"},
};

int boxSlot(OptionBoxId id) {
    for (int i = 0; i < static_cast<int>(kOptionBoxes.size()); ++i)
        if (kOptionBoxes[i] == id) return i;
    return 0;
}

QLabel* heading(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QComboBox* holdTimeList(const QString& name, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    for (int i = 1; i <= kHoldTimeCount; ++i) combo->addItem(QString());
    combo->setCurrentIndex(kDefaultHoldTime);
    return combo;
}

// Checks the button of the 1-based index and no other; 0 leaves the group without a choice.
void showSelection(QButtonGroup* group, const QVector<QRadioButton*>& buttons, int index,
                   bool enabled) {
    group->setExclusive(false);
    for (int i = 0; i < buttons.size(); ++i) {
        buttons[i]->setChecked(i + 1 == index);
        buttons[i]->setEnabled(enabled);
    }
    group->setExclusive(true);
}

}  // namespace

FrmParameter::FrmParameter(const VehicleSettings& vehicle, QWidget* parent)
    : QDialog(parent), vehicle_(vehicle) {
    setObjectName(QStringLiteral("frmParameter"));
    setModal(true);
    buildWidgets();
    applyCaptions(LanguageTable::builtIn());
    render();
    connect(&vehicle_, &VehicleSettings::changed, this, &FrmParameter::render);
}

void FrmParameter::buildWidgets() {
    auto* choiceRow = new QHBoxLayout;
    choiceRow->setSpacing(12);
    auto makeGroup = [&](int labelIndex, const QString& arrayName, int choices,
                         QVector<QRadioButton*>& buttons, QButtonGroup*& group) {
        auto* panel = new QFrame(this);
        panel->setFrameShape(QFrame::StyledPanel);
        auto* column = new QVBoxLayout(panel);
        auto* label = heading(QStringLiteral("labParameter_%1").arg(labelIndex), QString(), panel);
        labParameter_.append(label);
        column->addWidget(label);
        group = new QButtonGroup(this);
        for (int i = 0; i < choices; ++i) {
            auto* button = new QRadioButton(panel);
            button->setObjectName(QStringLiteral("%1_%2").arg(arrayName).arg(i + 1));
            group->addButton(button, i + 1);
            buttons.append(button);
            column->addWidget(button);
        }
        column->addStretch(1);
        choiceRow->addWidget(panel, 1);
    };
    makeGroup(1, QStringLiteral("optType"), 1, optType_, typeGroup_);
    makeGroup(2, QStringLiteral("optBauform"), 5, optBauform_, bodyGroup_);
    makeGroup(3, QStringLiteral("optBaujahr"), 3, optBaujahr_, yearGroup_);
    optType_[0]->setToolTip(QStringLiteral("E65, E66"));

    for (const BoxSpec& spec : kBoxSpecs) {
        auto* check = new QCheckBox(this);
        check->setObjectName(QString::fromUtf8(spec.name));
        boxes_[boxSlot(spec.id)] = check;
        const OptionBoxId id = spec.id;
        connect(check, &QCheckBox::toggled, this, [this, id](bool on) {
            if (!rendering_) Q_EMIT boxTicked(id, on);
        });
    }
    combBegruessung_ = holdTimeList(QStringLiteral("combBegrüßung"), this);
    combVerabschiedung_ = holdTimeList(QStringLiteral("combVerabschiedung"), this);

    frame7_ = new QGroupBox(this);
    frame7_->setObjectName(QStringLiteral("Frame7"));
    auto* lights = new QGridLayout(frame7_);
    lights->setColumnStretch(0, 1);
    lights->addWidget(box(OptionBoxId::Abbiegelicht), 0, 0, 1, 2);
    lights->addWidget(box(OptionBoxId::Tagfahrlicht), 1, 0, 1, 2);
    lights->addWidget(box(OptionBoxId::StandlichtUs), 2, 0, 1, 2);
    lights->addWidget(box(OptionBoxId::TagfahrlichtStandlicht), 3, 0, 1, 2);
    lights->addWidget(box(OptionBoxId::ComingHomeAuf), 4, 0);
    lights->addWidget(combBegruessung_, 4, 1);
    lights->addWidget(box(OptionBoxId::ComingHomeZu), 5, 0);
    lights->addWidget(combVerabschiedung_, 5, 1);
    auto* headlights = new QLabel(frame7_);
    headlights->setObjectName(QStringLiteral("labParameter_4"));
    labParameter_.append(headlights);
    lights->addWidget(headlights, 6, 0, 1, 2);
    auto* softRow = new QHBoxLayout;
    softRow->addSpacing(20);
    softRow->addWidget(box(OptionBoxId::SoftEin));
    lights->addLayout(softRow, 7, 0, 1, 2);

    frame4_ = new QGroupBox(this);
    frame4_->setObjectName(QStringLiteral("Frame4"));
    auto* vehicle = new QVBoxLayout(frame4_);
    vehicle->addWidget(box(OptionBoxId::SpiegelKurz));
    vehicle->addWidget(box(OptionBoxId::SpiegelLang));

    cmdOK_ = new QPushButton(this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setDefault(true);
    cmdOK_->setMinimumWidth(96);
    cmdCancel_ = new QPushButton(this);
    cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel_->setMinimumWidth(96);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK_);
    buttons->addWidget(cmdCancel_);

    auto* page = new QVBoxLayout(this);
    page->setSpacing(10);
    page->addLayout(choiceRow);
    page->addWidget(frame7_);
    page->addWidget(frame4_);
    page->addStretch(1);
    page->addLayout(buttons);
    page->setSizeConstraint(QLayout::SetFixedSize);

    for (int i = 0; i < optType_.size(); ++i) {
        connect(optType_[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (!rendering_ && on) Q_EMIT typeClicked(i + 1);
        });
    }
    for (int i = 0; i < optBauform_.size(); ++i) {
        connect(optBauform_[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (!rendering_ && on) Q_EMIT bodyClicked(i + 1);
        });
    }
    for (int i = 0; i < optBaujahr_.size(); ++i) {
        connect(optBaujahr_[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (!rendering_ && on) Q_EMIT yearClicked(i + 1);
        });
    }
    connect(combBegruessung_, &QComboBox::currentIndexChanged, this, [this](int position) {
        if (!rendering_) Q_EMIT holdChosen(true, position);
    });
    connect(combVerabschiedung_, &QComboBox::currentIndexChanged, this, [this](int position) {
        if (!rendering_) Q_EMIT holdChosen(false, position);
    });
    connect(cmdOK_, &QPushButton::clicked, this, &FrmParameter::onOk);
    connect(cmdCancel_, &QPushButton::clicked, this, &FrmParameter::reject);
}

void FrmParameter::showEvent(QShowEvent* event) {
    opened_ = vehicle_.snapshot();
    QDialog::showEvent(event);
}

void FrmParameter::reject() {
    Q_EMIT cancelled(opened_);
    QDialog::reject();
}

QCheckBox* FrmParameter::box(OptionBoxId id) const {
    return boxes_[boxSlot(id)];
}

void FrmParameter::onOk() {
    Q_EMIT confirmed();
    accept();  // hides the dialog; its state stays for the rest of the run
}

void FrmParameter::render() {
    rendering_ = true;
    const VehicleOptions& options = vehicle_.options();
    for (OptionBoxId id : kOptionBoxes) {
        const OptionBox& state = optionBox(options, id);
        box(id)->setChecked(state.ticked);
        box(id)->setEnabled(state.enabled);
    }
    combBegruessung_->setCurrentIndex(options.welcomeHold);
    combBegruessung_->setEnabled(options.welcomeHoldEnabled);
    combVerabschiedung_->setCurrentIndex(options.goodbyeHold);
    combVerabschiedung_->setEnabled(options.goodbyeHoldEnabled);
    showSelection(typeGroup_, optType_, options.type, true);
    showSelection(bodyGroup_, optBauform_, options.body, true);
    showSelection(yearGroup_, optBaujahr_, options.year, options.yearEnabled);
    rendering_ = false;
}

QString FrmParameter::vehicleChoiceText(const LanguageTable& table) const {
    const auto group = [](const QVector<Choice>& choices) {
        OptionGroupState state;
        state.reserve(choices.size());
        for (const Choice& c : choices) state.push_back({c.caption, c.selected, c.enabled});
        return state;
    };
    return fahrzeugAuswahl(group(typeChoices()), group(bodyChoices()), group(yearChoices()),
                           table.entry(text::VehicleChoicePrefix));
}

QVector<FrmParameter::Choice> FrmParameter::choicesOf(const QVector<QRadioButton*>& buttons) {
    QVector<Choice> choices;
    for (const QRadioButton* button : buttons)
        choices.append(
            {withoutAccessLetter(button->text()), button->isChecked(), button->isEnabled()});
    return choices;
}

QVector<FrmParameter::Choice> FrmParameter::typeChoices() const {
    return choicesOf(optType_);
}

QVector<FrmParameter::Choice> FrmParameter::bodyChoices() const {
    return choicesOf(optBauform_);
}

QVector<FrmParameter::Choice> FrmParameter::yearChoices() const {
    return choicesOf(optBaujahr_);
}

void FrmParameter::applyToolTip(const LanguageTable& table) {
    box(OptionBoxId::Tagfahrlicht)->setToolTip(table.entry(text::DaytimeLightUsToolTip));
}

void FrmParameter::applyCaptions(const LanguageTable& table) {
    applyToolTip(table);
    box(OptionBoxId::Abbiegelicht)->setText(table.entry(text::CorneringLight));
    box(OptionBoxId::Tagfahrlicht)->setText(table.entry(text::DaytimeLightUs));
    box(OptionBoxId::StandlichtUs)->setText(table.entry(text::ParkingLightUs));
    box(OptionBoxId::TagfahrlichtStandlicht)
        ->setText(table.entry(text::DaytimeLightViaParkingLight));
    box(OptionBoxId::ComingHomeAuf)->setText(table.entry(text::WelcomeLight));
    box(OptionBoxId::ComingHomeZu)->setText(table.entry(text::GoodbyeLight));
    box(OptionBoxId::SoftEin)->setText(table.entry(text::SoftOn));
    cmdOK_->setText(table.entry(text::Ok));
    cmdCancel_->setText(table.entry(text::Cancel));
    optType_[0]->setText(table.entry(text::VehicleType7Series));
    for (int i = 0; i < optBauform_.size(); ++i)
        optBauform_[i]->setText(table.entry(text::BodyStyleFirst + i));
    const int yearEntries[] = {text::YearBeforeFacelift, text::YearWithFacelift,
                               text::YearFrom2006};
    for (int i = 0; i < optBaujahr_.size(); ++i)
        optBaujahr_[i]->setText(table.entry(yearEntries[i]));
    frame7_->setTitle(table.entry(text::LightFunctionsFrame));
    for (int i = 0; i < labParameter_.size(); ++i)
        labParameter_[i]->setText(table.entry(text::OptionsHeadingFirst + i));
    setWindowTitle(table.entry(text::OptionsTitle));
    const QString mirror = table.entry(text::FoldMirrors) + QStringLiteral(", ");
    box(OptionBoxId::SpiegelKurz)->setText(mirror + table.entry(text::RemoteShortPress));
    box(OptionBoxId::SpiegelLang)->setText(mirror + table.entry(text::RemoteLongPress));
    frame4_->setTitle(table.entry(text::VehicleFunctionsFrame));
    // The hold-time lists keep their positions; only the unit follows the language.
    for (QComboBox* list : {combBegruessung_, combVerabschiedung_})
        for (int i = 0; i < list->count(); ++i)
            list->setItemText(i, table.entry(text::HoldTimeItem).arg((i + 1) * 10));
    markAccessLetters(*this);
}

}  // namespace vireo
