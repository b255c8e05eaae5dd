#pragma once

#include <QDialog>
#include <QString>
#include <QVector>
#include <array>

#include "vehicle/option_rules.h"
#include "vehicle/vehicle_options.h"
#include "vehicle/vehicle_settings.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace vireo {

class LanguageTable;
class VehicleSettings;

// The vehicle options dialog: type, body and model year of the car, the light and vehicle
// functions and the two hold times. A view of the vehicle settings: every click is reported
// (the owner of the settings runs its rule) and the widgets are redrawn from the settings
// whenever they change, whoever changed them. OK asks for the model code and option string to
// be stored and applied; Cancel (and Escape) asks for the settings as they were when it opened.
class FrmParameter : public QDialog {
    Q_OBJECT

  public:
    // The caption, selection and enabled state of one type, body or year option.
    struct Choice {
        QString caption;
        bool selected = false;
        bool enabled = true;
    };

    explicit FrmParameter(const VehicleSettings& vehicle, QWidget* parent = nullptr);

    // The option buttons as the title of the main window reads them (index 1 first).
    QVector<Choice> typeChoices() const;
    QVector<Choice> bodyChoices() const;
    QVector<Choice> yearChoices() const;
    // Fahrzeug_Auswahl: the vehicle as these choices name it, for the window title.
    QString vehicleChoiceText(const LanguageTable& table) const;

    // Replaces the captions from the language table (the tool tip of chkTagfahrlicht too).
    void applyCaptions(const LanguageTable& table);
    // Only the tool tip of chkTagfahrlicht (text::DaytimeLightUsToolTip).
    void applyToolTip(const LanguageTable& table);

    // Escape and Cancel: reports `cancelled`, then hides.
    void reject() override;

  Q_SIGNALS:
    // The user's clicks, as VehicleSettings takes them (setTick, clickType, clickBody, clickYear,
    // chooseHold).
    void boxTicked(vireo::OptionBoxId id, bool ticked);
    void typeClicked(int index);
    void bodyClicked(int index);
    void yearClicked(int index);
    void holdChosen(bool welcome, int position);
    // OK, before the dialog hides: the settings are to be accepted (stored, the composed model
    // code applied), the model shown (Modellauswahl) and the lamps switched off (Licht_Aus).
    void confirmed();
    // Escape and Cancel: the settings are to go back to these, taken when the dialog opened.
    void cancelled(const vireo::VehicleSettings::Snapshot& opened);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void buildWidgets();
    QCheckBox* box(OptionBoxId id) const;
    void onOk();
    void render();
    static QVector<Choice> choicesOf(const QVector<QRadioButton*>& buttons);

    const VehicleSettings& vehicle_;
    bool rendering_ = false;  // widgets are being set from the state, not clicked

    QVector<QLabel*> labParameter_;  // 1..4 at 0..3
    QVector<QRadioButton*> optType_;
    QVector<QRadioButton*> optBauform_;
    QVector<QRadioButton*> optBaujahr_;
    QButtonGroup* typeGroup_ = nullptr;
    QButtonGroup* bodyGroup_ = nullptr;
    QButtonGroup* yearGroup_ = nullptr;
    QGroupBox* frame7_ = nullptr;
    QGroupBox* frame4_ = nullptr;
    std::array<QCheckBox*, kOptionBoxes.size()> boxes_{};
    QComboBox* combBegruessung_ = nullptr;
    QComboBox* combVerabschiedung_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
    VehicleSettings::Snapshot opened_;  // the settings when the dialog was shown
};

}  // namespace vireo
