#include "config/startup_settings.h"

#include "config/settings_keys.h"
#include "module/port_names.h"
#include "sequence/document.h"
#include "text/language.h"
#include "text/number_text.h"
#include "text/text_ids.h"
#include "vehicle/option_rules.h"

namespace vireo {

namespace {
namespace k = settings_keys;

// A whole number that a control takes only within its range; nothing when the text is not a
// number or the value is outside.
std::optional<int> valueInRange(const QString& text, int low, int high) {
    const auto v = numberValueIfAny(text);
    if (!v || *v < low || *v > high) return std::nullopt;
    return static_cast<int>(*v);
}

std::optional<bool> tickValue(const QString& text) {
    const auto v = valueInRange(text, 0, 1);
    if (!v) return std::nullopt;
    return *v == 1;
}

}  // namespace

std::optional<int> portNumberFromSetting(const QString& stored) {
    return valueInRange(stored, kFirstPortNumber, kLastPortNumber);
}

QString validOptionString(const QString& stored) {
    QString valid = stored.left(kOptionStringLength);
    for (QChar& c : valid)
        if (c != QLatin1Char('0') && c != QLatin1Char('1')) c = QLatin1Char('0');
    return valid.leftJustified(kOptionStringLength, QLatin1Char('0'));
}

StartupSettings loadStartupSettings(const SettingsStore& store) {
    StartupSettings s;

    const std::optional<int> port = portNumberFromSetting(store.read(k::kPort));
    s.port = port.value_or(1);
    s.portLabel = QStringLiteral(" Port: ") + QString::number(*s.port);
    // Exactly one port item carries the check mark: the port in use, port 1 unless another
    // valid one was stored.
    s.portTicks[*s.port - 1] = true;

    const QString autoAppend = store.read(k::kAutoProperty);
    s.autoAppend = autoAppend.isEmpty() ? std::optional<bool>(false) : tickValue(autoAppend);

    const QString activation = store.read(k::kActivationArea);
    s.activationArea = activation.isEmpty() ? std::optional<bool>(true) : tickValue(activation);

    const QString slider = store.read(k::kSlider);
    s.slider = slider.isEmpty() ? std::optional<int>(1) : valueInRange(slider, 1, 100);

    const QString options = store.read(k::kOptions);
    s.options = options.isEmpty() ? kDefaultOptions : validOptionString(options);
    if (!options.isEmpty() && s.options != options)
        s.corrections.append({k::kOptions, options, s.options});

    const QString welcome = store.read(k::kWelcomeHold);
    s.welcomeHold = welcome.isEmpty() ? std::optional<int>(2) : valueInRange(welcome, 0, 11);
    const QString goodbye = store.read(k::kGoodbyeHold);
    s.goodbyeHold = goodbye.isEmpty() ? std::optional<int>(2) : valueInRange(goodbye, 0, 11);

    const QString model = store.read(k::kVehicleType);
    if (model.isEmpty()) {
        s.model = kDefaultModel;
        s.firstStart = true;
    } else if (isValidModelCode(model)) {
        s.model = model;
    } else {
        s.model = kDefaultModel;
        s.corrections.append({k::kVehicleType, model, s.model});
    }
    return s;
}

void storeCorrections(SettingsStore& store, const QVector<SettingCorrection>& corrections) {
    for (const SettingCorrection& c : corrections) store.write(c.key, c.replacement);
}

QString correctionsMessage(const QVector<SettingCorrection>& corrections,
                           const LanguageTable& texts) {
    QString text = texts.entry(text::SettingsReplaced);
    for (const SettingCorrection& c : corrections)
        text += QStringLiteral("\n%1: \"%2\" \u2192 \"%3\"").arg(c.key, c.stored, c.replacement);
    return text;
}

void clearStoredChoices(SettingsStore& store) {
    store.write(k::kLanguage, QString());
    store.write(k::kVehicleType, QString());
    store.write(k::kOptions, QString());
}

}  // namespace vireo
