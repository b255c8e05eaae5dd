#pragma once

#include <QObject>
#include <QString>

#include "vehicle/option_rules.h"
#include "vehicle/vehicle_options.h"

namespace vireo {

class SettingsStore;

// The one owner of the vehicle settings for the whole run: the applied model code, the option
// string, the state of the option boxes and choices that the option rules keep in step with it,
// and the two hold positions. The options dialog edits it (every click goes through the rules
// here), the main window and the document read it, and an upload builds its image from it.
// `changed` follows every change, whoever made it.
class VehicleSettings : public QObject {
    Q_OBJECT
  public:
    explicit VehicleSettings(SettingsStore& store, QObject* parent = nullptr);

    // Modell: the applied vehicle model code.
    const QString& model() const { return model_; }
    // Optionen: the 20-character option string as the rules left it.
    const QString& optionString() const { return optionString_; }
    // The boxes, hold positions and type, body and year choices.
    const VehicleOptions& options() const { return options_; }
    // The module type the rules depend on (empty while no module was identified).
    const QString& moduleType() const { return moduleType_; }

    // Takes a model code and option string (stored, or from a file) and runs the restore rules
    // over them, as showing them in the options dialog does.
    void restore(const QString& model, const QString& optionString);
    // Hold positions read at start; positions outside 0..11 are left as they are. Not stored.
    void setHoldTimes(int welcome, int goodbye);
    // The user chose a hold position: kept and stored.
    void chooseHold(bool welcome, int position);

    // The user's clicks and the program's changes, each with its rule.
    void setTick(OptionBoxId id, bool ticked);
    void clickType(int index);
    void clickBody(int index);
    void clickYear(int index);
    void fType(int index, bool restoring);
    void fBauform(int index, bool restoring);
    void activateBmw();
    // Restricts the options to what this module type supports.
    void setModuleType(const QString& moduleType);

    // OK of the options dialog: the model code composed from the choices becomes the applied
    // model, and model code and option string are stored. Returns the model code.
    QString accept();

    // Everything the options dialog can change, taken when it opens; Cancel puts it back.
    struct Snapshot {
        QString model;
        QString optionString;
        VehicleOptions options;
        QString moduleType;
    };
    Snapshot snapshot() const { return {model_, optionString_, options_, moduleType_}; }
    // Puts a snapshot back; hold positions chosen since are stored back as they were.
    void revert(const Snapshot& snapshot);

  signals:
    void changed();

  private:
    SettingsStore& store_;
    QString model_ = kDefaultModel;
    QString optionString_ = kDefaultOptions;
    VehicleOptions options_;
    QString moduleType_;
};

}  // namespace vireo
