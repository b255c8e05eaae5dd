#include "config/startup_settings.h"

#include "config/number_text.h"
#include "sequence/document.h"

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

// The port control takes the text converted to an integer: a plain number only.
std::optional<int> portNumber(const QString& text) {
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    if (!ok || n < 1 || n > 20) return std::nullopt;
    return n;
}
}  // namespace

StartupSettings loadStartupSettings(const SettingsStore& store, bool commandLineFile) {
    StartupSettings s;

    const QString port = store.read(k::kPort);
    if (port.isEmpty()) {
        s.port = 1;
        s.portLabel = QStringLiteral(" Port: 1");
    } else {
        s.port = portNumber(port);
        s.portLabel = QStringLiteral(" Port: ") + port;
        const long long tick = numberValue(port);
        for (int i = 1; i <= 20; ++i) s.portTicks[i - 1] = (tick == i);
    }

    const QString autoAppend = store.read(k::kAutoProperty);
    s.autoAppend = autoAppend.isEmpty() ? std::optional<bool>(false) : tickValue(autoAppend);

    const QString activation = store.read(k::kActivationArea);
    s.activationArea = activation.isEmpty() ? std::optional<bool>(true) : tickValue(activation);

    const QString slider = store.read(k::kSlider);
    s.slider = slider.isEmpty() ? std::optional<int>(1) : valueInRange(slider, 1, 100);

    const QString options = store.read(k::kOptions);
    s.options = options.isEmpty() ? kDefaultOptions : options;

    const QString welcome = store.read(k::kWelcomeHold);
    s.welcomeHold = welcome.isEmpty() ? std::optional<int>(2) : valueInRange(welcome, 0, 11);
    const QString goodbye = store.read(k::kGoodbyeHold);
    s.goodbyeHold = goodbye.isEmpty() ? std::optional<int>(2) : valueInRange(goodbye, 0, 11);

    const QString model = store.read(k::kVehicleType);
    if (model.isEmpty()) {
        s.model = kDefaultModel;
        s.firstStart = true;
    } else if (!commandLineFile) {
        s.model = model;
    }
    return s;
}

void clearStoredChoices(SettingsStore& store) {
    store.write(k::kLanguage, QString());
    store.write(k::kVehicleType, QString());
    store.write(k::kOptions, QString());
}

}  // namespace vireo
