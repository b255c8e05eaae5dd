#pragma once

#include <QDialog>
#include <QString>
#include <QVector>
#include <array>
#include <functional>

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
// functions and the two hold times. A view of the vehicle settings: every click goes to them
// (where the rules run) and the widgets are redrawn from them whenever they change, whoever
// changed them. OK stores the model code and option string and hands the model code to the
// main window; Cancel (and Escape) puts the settings back as they were when it opened.
class FrmParameter : public QDialog {
    Q_OBJECT

  public:
    // Called by OK after storing, with the composed model code: the main window applies the
    // model (Modellauswahl) and switches the lamps off (Licht_Aus).
    using AcceptedCallback = std::function<void(const QString& model)>;

    // The caption, selection and enabled state of one type, body or year option.
    struct Choice {
        QString caption;
        bool selected = false;
        bool enabled = true;
    };

    explicit FrmParameter(VehicleSettings& vehicle, QWidget* parent = nullptr);

    void setAcceptedCallback(AcceptedCallback callback) { accepted_ = std::move(callback); }

    VehicleSettings& vehicle() const { return vehicle_; }

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

    // Escape and Cancel: the vehicle settings go back to what they were when the dialog opened.
    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void buildWidgets();
    QCheckBox* box(OptionBoxId id) const;
    void onOk();
    void render();
    static QVector<Choice> choicesOf(const QVector<QRadioButton*>& buttons);

    VehicleSettings& vehicle_;
    AcceptedCallback accepted_;
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
