#include "vehicle/vehicle_settings.h"

#include "config/settings_keys.h"
#include "platform/settings_store.h"

namespace vireo {

VehicleSettings::VehicleSettings(SettingsStore& store, QObject* parent)
    : QObject(parent), store_(store) {}

void VehicleSettings::restore(const QString& model, const QString& optionString) {
    model_ = model;
    optionString_ = optionString;
    restoreOptions(options_, optionString_, model_, moduleType_);
    emit changed();
}

void VehicleSettings::setHoldTimes(int welcome, int goodbye) {
    if (welcome >= 0 && welcome < kHoldTimeCount) options_.welcomeHold = welcome;
    if (goodbye >= 0 && goodbye < kHoldTimeCount) options_.goodbyeHold = goodbye;
    emit changed();
}

void VehicleSettings::chooseHold(bool welcome, int position) {
    if (position < 0 || position >= kHoldTimeCount) return;
    (welcome ? options_.welcomeHold : options_.goodbyeHold) = position;
    store_.write(welcome ? settings_keys::kWelcomeHold : settings_keys::kGoodbyeHold,
                 QString::number(position));
    emit changed();
}

void VehicleSettings::setTick(OptionBoxId id, bool ticked) {
    vireo::setTick(options_, optionString_, id, ticked);
    emit changed();
}

void VehicleSettings::clickType(int index) {
    options_.type = index;  // the click selects it; the rules run for the selection
    selectType(options_, optionString_, index, false, moduleType_);
    emit changed();
}

void VehicleSettings::clickBody(int index) {
    options_.body = index;
    selectBody(options_, optionString_, index, false, model_, moduleType_);
    emit changed();
}

void VehicleSettings::clickYear(int index) {
    selectYear(options_, optionString_, index, moduleType_);
    emit changed();
}

void VehicleSettings::fType(int index, bool restoring) {
    selectType(options_, optionString_, index, restoring, moduleType_);
    emit changed();
}

void VehicleSettings::fBauform(int index, bool restoring) {
    selectBody(options_, optionString_, index, restoring, model_, moduleType_);
    emit changed();
}

void VehicleSettings::activateBmw() {
    vireo::activateBmw(optionString_);
    emit changed();
}

void VehicleSettings::setModuleType(const QString& moduleType) {
    moduleType_ = moduleType;
    applyModuleType(options_, optionString_, moduleType_);
    emit changed();
}

void VehicleSettings::revert(const Snapshot& snapshot) {
    const bool welcomeMoved = options_.welcomeHold != snapshot.options.welcomeHold;
    const bool goodbyeMoved = options_.goodbyeHold != snapshot.options.goodbyeHold;
    model_ = snapshot.model;
    optionString_ = snapshot.optionString;
    options_ = snapshot.options;
    moduleType_ = snapshot.moduleType;
    if (welcomeMoved)
        store_.write(settings_keys::kWelcomeHold, QString::number(options_.welcomeHold));
    if (goodbyeMoved)
        store_.write(settings_keys::kGoodbyeHold, QString::number(options_.goodbyeHold));
    emit changed();
}

QString VehicleSettings::accept() {
    model_ = composedModel(options_);
    store_.write(settings_keys::kVehicleType, model_);
    store_.write(settings_keys::kOptions, optionString_);
    emit changed();
    return model_;
}

}  // namespace vireo
