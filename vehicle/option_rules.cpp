#include "vehicle/option_rules.h"

#include "text/number_text.h"

namespace vireo {

namespace {

bool isBmw7(const VehicleOptions& options) {
    return options.type == 1;
}

// Module types under which the type choice enables the day-light and hold-light boxes; the
// empty text stands for "no module identified yet".
bool typeEnablesLights(const QString& moduleType) {
    return moduleType.isEmpty() || moduleType == QLatin1String("5.1") ||
           moduleType == QLatin1String("6.1");
}

void writeDigit(QString& optionString, int position, bool ticked) {
    optionString = paddedOptionString(optionString);
    optionString[position - 1] = ticked ? QLatin1Char('1') : QLatin1Char('0');
}

// The rule a box runs after its tick changed.
void runBoxRule(VehicleOptions& options, QString& optionString, OptionBoxId id) {
    const bool ticked = optionBox(options, id).ticked;
    switch (id) {
        case OptionBoxId::Tagfahrlicht:
            if (ticked) setTick(options, optionString, OptionBoxId::TagfahrlichtStandlicht, false);
            break;
        case OptionBoxId::TagfahrlichtStandlicht:
            if (ticked) setTick(options, optionString, OptionBoxId::Tagfahrlicht, false);
            break;
        case OptionBoxId::SpiegelKurz:
            if (ticked && options.spiegelLang.ticked)
                setTick(options, optionString, OptionBoxId::SpiegelLang, false);
            break;
        case OptionBoxId::SpiegelLang:
            if (ticked && options.spiegelKurz.ticked)
                setTick(options, optionString, OptionBoxId::SpiegelKurz, false);
            break;
        case OptionBoxId::ComingHomeAuf:
            // The welcome hold time and soft start only matter with the welcome hold on; the
            // tick of "Soft ein" is kept for when it comes back.
            options.welcomeHoldEnabled = ticked;
            options.softEin.enabled = ticked;
            break;
        case OptionBoxId::ComingHomeZu:
            options.goodbyeHoldEnabled = ticked;
            break;
        case OptionBoxId::Abbiegelicht:
        case OptionBoxId::StandlichtUs:
        case OptionBoxId::SoftEin:
            break;
    }
}

void switchOff(VehicleOptions& options, QString& optionString, OptionBoxId id) {
    optionBox(options, id).enabled = false;
    setTick(options, optionString, id, false);
}

int characterValue(const QString& text, int position) {
    if (position > text.size()) return 0;
    return static_cast<int>(numberValue(text.mid(position - 1, 1)));
}

}  // namespace

OptionBox& optionBox(VehicleOptions& options, OptionBoxId id) {
    return const_cast<OptionBox&>(optionBox(static_cast<const VehicleOptions&>(options), id));
}

const OptionBox& optionBox(const VehicleOptions& options, OptionBoxId id) {
    switch (id) {
        case OptionBoxId::Abbiegelicht:
            return options.abbiegelicht;
        case OptionBoxId::Tagfahrlicht:
            return options.tagfahrlicht;
        case OptionBoxId::StandlichtUs:
            return options.standlichtUs;
        case OptionBoxId::TagfahrlichtStandlicht:
            return options.tagfahrlichtStandlicht;
        case OptionBoxId::ComingHomeAuf:
            return options.comingHomeAuf;
        case OptionBoxId::ComingHomeZu:
            return options.comingHomeZu;
        case OptionBoxId::SpiegelKurz:
            return options.spiegelKurz;
        case OptionBoxId::SpiegelLang:
            return options.spiegelLang;
        case OptionBoxId::SoftEin:
            return options.softEin;
    }
    return options.abbiegelicht;
}

int optionPosition(OptionBoxId id) {
    switch (id) {
        case OptionBoxId::Abbiegelicht:
            return 3;
        case OptionBoxId::Tagfahrlicht:
            return 5;
        case OptionBoxId::StandlichtUs:
            return 6;
        case OptionBoxId::TagfahrlichtStandlicht:
            return 7;
        case OptionBoxId::ComingHomeAuf:
            return 8;
        case OptionBoxId::ComingHomeZu:
            return 9;
        case OptionBoxId::SpiegelKurz:
            return 10;
        case OptionBoxId::SpiegelLang:
            return 11;
        case OptionBoxId::SoftEin:
            return 13;
    }
    return 3;
}

QString paddedOptionString(const QString& optionString) {
    if (optionString.size() >= kOptionStringLength) return optionString;
    return optionString + QString(kOptionStringLength - optionString.size(), QLatin1Char('0'));
}

void setTick(VehicleOptions& options, QString& optionString, OptionBoxId id, bool ticked) {
    OptionBox& box = optionBox(options, id);
    if (box.ticked == ticked) return;
    box.ticked = ticked;
    runBoxRule(options, optionString, id);
    // The digit shows the tick as it is once the rule has run (a rule never changes the
    // tick of its own box, but the order keeps that obvious).
    writeDigit(optionString, optionPosition(id), box.ticked);
}

void activateBmw(QString& optionString) {
    optionString = paddedOptionString(optionString);
    optionString[3] = QLatin1Char('0');
}

void selectType(VehicleOptions& options, QString& optionString, int index, bool restoring,
                const QString& moduleType) {
    // A click also passes the selected body on to the body choice, which only acts when
    // restoring, so only the selection itself is left to do here.
    if (restoring) options.type = (index >= 1 && index <= kTypeCount) ? index : 0;
    if (isBmw7(options)) {
        if (typeEnablesLights(moduleType)) options.tagfahrlicht.enabled = true;
    } else {
        switchOff(options, optionString, OptionBoxId::Tagfahrlicht);
    }
    applyHoldLightRule(options, optionString, moduleType);
}

void selectBody(VehicleOptions& options, QString& optionString, int index, bool restoring,
                const QString& model, const QString& moduleType) {
    if (!restoring) return;
    options.body = (index >= 1 && index <= kBodyCount) ? index : 0;
    const int year = characterValue(model, 3);
    if (year >= 1 && year <= kYearCount) {
        selectYear(options, optionString, year, moduleType);
    } else {
        options.year = 0;
    }
}

void selectYear(VehicleOptions& options, QString& optionString, int index,
                const QString& moduleType) {
    if (index < 1 || index > kYearCount) return;
    options.year = index;
    applyHoldLightRule(options, optionString, moduleType);
}

void applyHoldLightRule(VehicleOptions& options, QString& optionString, const QString& moduleType) {
    if (isBmw7(options)) {
        if (typeEnablesLights(moduleType)) {
            options.comingHomeAuf.enabled = true;
            options.comingHomeZu.enabled = true;
        }
        return;
    }
    switchOff(options, optionString, OptionBoxId::ComingHomeAuf);
    switchOff(options, optionString, OptionBoxId::ComingHomeZu);
}

void applyModuleType(VehicleOptions& options, QString& optionString, const QString& moduleType) {
    const bool basic = moduleType == QLatin1String("5.0") || moduleType == QLatin1String("6.0");
    const bool merix = moduleType == QLatin1String("5.1") || moduleType == QLatin1String("6.1");
    const bool quell = moduleType == QLatin1String("5.2") || moduleType == QLatin1String("6.2");
    if (!basic && !merix && !quell) return;

    const OptionBoxId lights[] = {OptionBoxId::Tagfahrlicht, OptionBoxId::StandlichtUs,
                                  OptionBoxId::ComingHomeAuf, OptionBoxId::ComingHomeZu,
                                  OptionBoxId::TagfahrlichtStandlicht};
    for (OptionBoxId id : lights) {
        if (basic) {
            switchOff(options, optionString, id);
        } else {
            optionBox(options, id).enabled = true;
        }
    }
    for (OptionBoxId id : {OptionBoxId::SpiegelKurz, OptionBoxId::SpiegelLang}) {
        if (quell) {
            optionBox(options, id).enabled = true;
        } else {
            switchOff(options, optionString, id);
        }
    }
    if (basic) {
        switchOff(options, optionString, OptionBoxId::SoftEin);
        options.welcomeHoldEnabled = false;
        options.goodbyeHoldEnabled = false;
    }
}

bool isValidModelCode(const QString& model) {
    if (model.size() != 3) return false;
    const int counts[3] = {kTypeCount, kBodyCount, kYearCount};
    for (int i = 0; i < 3; ++i) {
        const int digit = model.at(i).digitValue();
        if (digit < 1 || digit > counts[i]) return false;
    }
    return true;
}

QString composedModel(const VehicleOptions& options) {
    QString model;
    for (int index : {options.type, options.body, options.year}) {
        if (index > 0) model += QString::number(index);
    }
    return model;
}

void restoreOptions(VehicleOptions& options, QString& optionString, const QString& model,
                    const QString& moduleType) {
    // The ticks come from the string as given: the type rules below may write into the
    // live string before the boxes are set from it.
    const QString stored = paddedOptionString(optionString);
    optionString = stored;
    selectType(options, optionString, characterValue(model, 1), true, moduleType);
    selectBody(options, optionString, characterValue(model, 2), true, model, moduleType);
    activateBmw(optionString);
    for (OptionBoxId id : kOptionBoxes) {
        const int position = optionPosition(id);
        setTick(options, optionString, id, characterValue(stored, position) == 1);
        // The hold lists follow their boxes even when a tick did not change, so a restored
        // state never shows a list enabled beside an unticked hold box.
        if (id == OptionBoxId::ComingHomeAuf || id == OptionBoxId::ComingHomeZu)
            runBoxRule(options, optionString, id);
        // A character other than "0"/"1" is read as unticked and written back as "0", so the
        // string always matches the boxes.
        writeDigit(optionString, position, optionBox(options, id).ticked);
    }
}

VehicleOptions restoredOptions(const QString& model, const QString& optionString,
                               const QString& moduleType) {
    VehicleOptions options;
    QString text = optionString;
    restoreOptions(options, text, model, moduleType);
    if (!moduleType.isEmpty()) applyModuleType(options, text, moduleType);
    return options;
}

}  // namespace vireo
