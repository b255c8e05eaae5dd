#pragma once

#include <QDialog>
#include <QString>
#include <QVector>
#include <array>
#include <functional>

#include "config/option_rules.h"
#include "config/vehicle_options.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace vireo {

class LanguageTable;
class SettingsStore;

// The vehicle options dialog: type, body and model year of the car, the light and vehicle
// functions and the two hold times. It shows the option state held by the core rules; every
// click, and every change the program makes, goes through those rules and the widgets are
// redrawn from the state, so both behave alike. OK stores the model code and option string
// and hands the model code to the main window.
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

    explicit FrmParameter(SettingsStore& settings, QWidget* parent = nullptr);

    void setAcceptedCallback(AcceptedCallback callback) { accepted_ = std::move(callback); }

    // The module type the rules depend on (Modul_Typ; empty while no module was identified).
    void setModuleType(const QString& moduleType) { moduleType_ = moduleType; }
    QString moduleType() const { return moduleType_; }

    const VehicleOptions& options() const { return options_; }
    QString optionString() const { return optionString_; }
    // The model code last shown or composed by OK.
    QString model() const { return model_; }

    // Shows a stored model code and option string (Parameter_Anzeigen).
    void showStored(const QString& model, const QString& optionString);
    // Sets the hold-time list positions read from the settings; positions outside 0..11
    // leave the list as it is. Nothing is written back.
    void setHoldTimes(int welcome, int goodbye);

    // The dialog's public operations, for the main window.
    // F_Type: restoring selects type `index`; false runs the rules for the current selection.
    void fType(int index, bool restoring);
    void fBauform(int index, bool restoring);  // F_Bauform (year from the shown model code)
    void aktiviereBmw();                       // Aktiviere_BMW
    void modulTypFreigeben();                  // Modul_Typ_Freigeben for moduleType()
    // Sets a tick from the program, with the same rule as a click.
    void setTick(OptionBoxId id, bool ticked);

    // The option buttons as the title of the main window reads them (index 1 first).
    QVector<Choice> typeChoices() const;
    QVector<Choice> bodyChoices() const;
    QVector<Choice> yearChoices() const;

    // Replaces the captions from the language table (the tool tip of chkTagfahrlicht too).
    void applyCaptions(const LanguageTable& table);
    // Only the tool tip of chkTagfahrlicht (language entry 203).
    void applyToolTip(const LanguageTable& table);

  private:
    void buildWidgets();
    QCheckBox* box(OptionBoxId id) const;
    void onBoxToggled(OptionBoxId id, bool ticked);
    void onHoldChosen(bool welcome, int position);
    void onOk();
    void render();
    static QVector<Choice> choicesOf(const QVector<QRadioButton*>& buttons);

    SettingsStore& settings_;
    AcceptedCallback accepted_;
    VehicleOptions options_;
    QString optionString_ = kDefaultOptions;
    QString model_;
    QString moduleType_;
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
};

}  // namespace vireo
