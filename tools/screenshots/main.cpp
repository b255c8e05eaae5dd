// Renders the program's windows headlessly into PNG files, for the manual and for checking the
// look of a change: vireo-screenshots OUTPUT_FOLDER [LANGUAGE]
#include <QApplication>
#include <QDir>
#include <QTextStream>

#include "app/main_window.h"
#include "app/startup.h"
#include "platform/settings_store.h"

namespace {

class QuietPrompter : public vireo::Prompter {
public:
    void message(const QString&, const QString&, vireo::PromptIcon) override {}
    bool question(const QString&, const QString&) override { return false; }
    std::optional<QString> input(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    QString openFileName(const QString&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }
    void beep() override {}
};

class InstantClock : public vireo::Clock {
public:
    qint64 nowMs() const override { return now_; }
    void wait(int ms) override { now_ += ms; }

private:
    qint64 now_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        QTextStream(stderr) << "usage: vireo-screenshots OUTPUT_FOLDER [LANGUAGE]\n";
        return 2;
    }
    const QString out = args.at(1);
    const QString language = args.value(2, QStringLiteral("Deutsch"));
    QDir().mkpath(out);

    vireo::MemorySettingsStore settings;
    settings.write(vireo::settings_keys::kLanguage, language);
    settings.write(vireo::settings_keys::kVehicleType, QStringLiteral("111"));
    QuietPrompter prompter;
    InstantClock clock;
    vireo::StartupFlow flow;
    flow.context.settings = &settings;
    flow.context.prompter = &prompter;
    flow.context.clock = &clock;
    flow.chooseLanguage = [](const QStringList&) { return std::optional<QString>(); };
    auto window = flow.start();
    if (!window) return 1;
    QApplication::processEvents();
    const QString suffix = language == QLatin1String("Deutsch") ? QStringLiteral("de")
                                                                : QStringLiteral("en");
    window->grab().save(QDir(out).filePath(QStringLiteral("main-window-%1.png").arg(suffix)));
    return 0;
}
