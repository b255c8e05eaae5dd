// Renders the program's windows headlessly into PNG files, for the manual and for checking the
// look of a change: vireo-screenshots OUTPUT_FOLDER [LANGUAGE]
// Writes main-window-XX.png, timeline-XX.png, options-XX.png, properties-XX.png, about-XX.png,
// compact-XX.png, fit-XX.png, pattern-XX.png and recovery-XX.png, where XX is "de" for Deutsch and
// "en" for any other language, and animation.gif, the sample's welcome sequence as "Animation
// exportieren…" writes it (the same in every language).
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QSpinBox>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTreeWidget>

#include "app/startup.h"
#include "config/settings_keys.h"
#include "files/animation_export.h"
#include "files/kvs_writer.h"
#include "platform/settings_store.h"
#include "platform/silent_prompter.h"
#include "recovery/recovery_entry.h"
#include "sequence/document.h"
#include "sequence/loop_marker.h"
#include "session/editing_session.h"
#include "session/window_recovery.h"
#include "show/compaction_summary.h"
#include "ui/dialogs/compact_dialog.h"
#include "ui/dialogs/fit_dialog.h"
#include "ui/dialogs/frm_eigenschaften.h"
#include "ui/dialogs/frm_info.h"
#include "ui/dialogs/frm_parameter.h"
#include "ui/dialogs/pattern_dialog.h"
#include "ui/dialogs/recovery_dialog.h"
#include "ui/main_window.h"
#include "ui/timeline_view.h"

namespace {

// Time passes only when waited for, so the splash and the about box's animation end at once.
class InstantClock : public vireo::Clock {
  public:
    qint64 nowMs() const override { return now_; }
    void wait(int ms) override { now_ += ms; }
    void singleShot(int ms, QObject*, std::function<void()> then) override {
        now_ += ms;
        then();
    }
    // No screenshot plays back: a repeating timer is the real one.
    std::unique_ptr<vireo::RepeatingTimer> makeTimer(QObject* context,
                                                     std::function<void()> tick) override {
        return vireo::systemClock().makeTimer(context, std::move(tick));
    }

  private:
    qint64 now_ = 0;
};

vireo::Step step(int tenths, const QString& loop, vireo::LampBytes lamps) {
    return vireo::Step{vireo::OnTime::ofTenths(tenths), loop, lamps};
}

// A short welcome light: a blink, then a loop of two steps run three times, then a long glow.
vireo::Document sampleDocument() {
    vireo::Document document;
    const QString loop = vireo::loopMarker(1, 3);
    document.sequences[vireo::kWelcome] = {
        step(5, {}, {1, 1, 0, 0}),     step(3, {}, {0, 0, 0, 0}),  step(2, loop, {15, 15, 7, 7}),
        step(2, loop, {12, 12, 2, 2}), step(10, {}, {7, 7, 3, 3}), step(5, {}, {1, 1, 1, 1}),
    };
    document.sequences[vireo::kGoodbye] = {
        step(10, {}, {3, 3, 1, 1}),
        step(5, {}, {1, 1, 0, 0}),
    };
    return document;
}

// A blink copied five times, as users build it before they know loops: "Sequenz verdichten"
// folds it into one loop.
vireo::Document blinkCopiedFiveTimes() {
    vireo::Document document;
    for (int copy = 0; copy < 5; ++copy) {
        document.sequences[vireo::kWelcome].append(step(4, {}, {7, 7, 0, 0}));
        document.sequences[vireo::kWelcome].append(step(4, {}, {0, 0, 0, 0}));
    }
    return document;
}

// A blink of two lamp states and a pause, sixty passes, the lit steps typed 0,4 to 0,6 s: too
// large for the memory until its passes are timed alike.
vireo::Document unevenBlink() {
    vireo::Document document;
    for (int pass = 0; pass < 60; ++pass) {
        const int typed = 4 + pass * 7 % 11 % 3;
        document.sequences[vireo::kWelcome].append(step(typed, {}, {63, 63, 63, 63}));
        document.sequences[vireo::kWelcome].append(
            step(4 + pass * 5 % 13 % 3, {}, {21, 42, 21, 42}));
        document.sequences[vireo::kWelcome].append(step(5, {}, {0, 0, 0, 0}));
    }
    return document;
}

// Leaves a recovery entry without a lock in `store`, as a program that was killed leaves it.
void leaveRecoveryEntry(const vireo::RecoveryStore& store, const QString& name, const QString& path,
                        const QTime& changed, const vireo::Document& document) {
    vireo::RecoveryEntry entry;
    entry.name = name;
    entry.path = path;
    entry.changed = QDateTime(QDate(2026, 12, 10), changed);
    entry.document = document;
    QDir().mkpath(store.folder());
    vireo::writeKvsFile(store.documentFile(name), document);
    QFile sidecar(store.sidecarFile(name));
    if (sidecar.open(QIODevice::WriteOnly)) sidecar.write(vireo::sidecarJson(entry));
}

// Lays a window out, shows it and saves what it shows.
void save(QWidget* widget, const QString& path) {
    widget->show();
    QApplication::processEvents();
    if (!widget->grab().save(path)) QTextStream(stderr) << "could not write " << path << "\n";
}

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
    // Numbers in the windows follow the locale ("1,5" in German), so pick the language's own.
    QLocale::setDefault(language == QLatin1String("Deutsch")
                            ? QLocale(QLocale::German, QLocale::Germany)
                            : QLocale(QLocale::English, QLocale::UnitedKingdom));
    const QString suffix =
        language == QLatin1String("Deutsch") ? QStringLiteral("de") : QStringLiteral("en");
    const auto file = [&](const char* name) {
        return QDir(out).filePath(QStringLiteral("%1-%2.png").arg(QLatin1String(name), suffix));
    };

    vireo::MemorySettingsStore settings;
    settings.write(vireo::settings_keys::kLanguage, language);
    settings.write(vireo::settings_keys::kVehicleType, QStringLiteral("111"));
    settings.write(vireo::settings_keys::kSlider, QStringLiteral("15"));
    vireo::SilentPrompter prompter;
    InstantClock clock;
    vireo::StartupFlow flow;
    flow.context.settings = &settings;
    flow.context.prompter = &prompter;
    flow.context.clock = &clock;
    // The pictures' edits are no user's work: their recovery entries go with the tool.
    QTemporaryDir data;
    flow.context.dataFolder = data.path();
    flow.chooseLanguage = [](const QStringList&) { return std::optional<QString>(); };
    auto window = flow.start();
    if (!window) return 1;
    window->session().resetDocument(sampleDocument());
    // The loop's rows are selected and the first of them is shown on the pictures, as after a
    // click on that row.
    window->session().setSelection(vireo::kWelcome, vireo::Selection{{2, 3}, 2});
    window->session().showStep();
    // The timeline zoomed in so the short sample fills more of its width.
    if (auto* view = window->findChild<vireo::TimelineView*>(QStringLiteral("timelineView"))) {
        view->setScale(12.0);
        // The offscreen screen is small: the window grows so the timeline shows every lamp row.
        view->setMinimumHeight(view->sizeHint().height());
        window->resize(window->width(), window->sizeHint().height());
        if (auto* splitter = window->findChild<QSplitter*>(QStringLiteral("editorSplitter")))
            splitter->setSizes({splitter->widget(0)->sizeHint().height(),
                                splitter->widget(1)->sizeHint().height()});
    }
    save(window.get(), file("main-window"));
    // The timeline panel alone, at the main window's width, with its memory meter.
    if (auto* timeline = window->findChild<QWidget*>(QStringLiteral("timelinePanel")))
        save(timeline, file("timeline"));

    vireo::AnimationRequest animation;
    animation.rows = window->editor().sequence(vireo::kWelcome);
    animation.vehicle = window->session().setup();
    const QString gif = QDir(out).filePath(QStringLiteral("animation.gif"));
    if (vireo::savePlaybackAnimation(animation, gif).status !=
        vireo::AnimationOutcome::Status::Written)
        QTextStream(stderr) << "could not write " << gif << "\n";

    save(window->frmParameter(), file("options"));
    window->frmParameter()->hide();
    save(window->frmEigenschaften(), file("properties"));
    window->frmEigenschaften()->hide();

    vireo::FrmInfo about(
        window->texts(), [](const QString&) {}, clock, window.get());
    about.show();
    about.runAnimation();
    save(&about, file("about"));
    about.hide();

    // "Sequenz verdichten" before it applies, for a blink copied five times.
    window->session().resetDocument(blinkCopiedFiveTimes());
    window->session().setSelection(vireo::kWelcome, vireo::Selection{});
    {
        vireo::CompactDialog compact(
            vireo::compactionSummary(window->session().planCompaction(false), window->texts()),
            window->texts(), window.get());
        save(&compact, file("compact"));
    }

    // "Muster einfügen…" filling three lamps of the front right corner, three passes, after the
    // fourth row of the blink, the preview on the last step of a pass so all three show lit.
    {
        vireo::PatternDialog pattern(window->texts(), window.get());
        pattern.showCar(window->session().setup());
        pattern.setTarget({window->session().document(), vireo::kWelcome, vireo::Selection{{3}, 3},
                           window->session().vehicleSettings().options(),
                           window->session().setup().modellnummer});
        for (const vireo::PatternLamp lamp :
             {vireo::PatternLamp{1, 0}, vireo::PatternLamp{1, 1}, vireo::PatternLamp{1, 2}})
            if (QTreeWidgetItem* item = pattern.lampItem(lamp)) item->setCheckState(0, Qt::Checked);
        if (auto* kind = pattern.findChild<QComboBox*>(QStringLiteral("patternKind")))
            kind->setCurrentIndex(1);  // fill
        if (auto* passes = pattern.findChild<QSpinBox*>(QStringLiteral("passes")))
            passes->setValue(3);
        pattern.advancePreview();
        pattern.advancePreview();
        // Taller than it opens, so the list shows the ticked lamps and more.
        pattern.resize(pattern.sizeHint().width() + 40, pattern.sizeHint().height() + 140);
        save(&pattern, file("pattern"));
    }

    // "Passend machen…" for that blink: the plan, the changes and the fitted show playing.
    window->session().resetDocument(unevenBlink());
    {
        vireo::FitDialog fit(window->texts(), window->session().setup(), vireo::kWelcome,
                             window.get());
        fit.setPlan(window->session().planFit(false));
        save(&fit, file("fit"));
    }

    // The offer at start after a crash: a named document newer than its file and an untitled
    // one. The named one's file lies in a folder of the tool's own, removed again.
    {
        vireo::WindowRecovery* recovery = &window->recovery();
        QDir shows(QDir::temp().filePath(QStringLiteral("vireo-shows")));
        shows.mkpath(QStringLiteral("."));
        const QString named = shows.filePath(QStringLiteral("Willkommen.kvs"));
        vireo::writeKvsFile(named, blinkCopiedFiveTimes());
        leaveRecoveryEntry(recovery->store(), QStringLiteral("screenshot-named"), named,
                           QTime(8, 42), sampleDocument());
        leaveRecoveryEntry(recovery->store(), QStringLiteral("screenshot-untitled"), {},
                           QTime(8, 10), sampleDocument());
        vireo::RecoveryDialog offer(*recovery, recovery->entriesToOffer().entries, window->texts(),
                                    prompter, window.get());
        save(&offer, file("recovery"));
        offer.hide();
        shows.removeRecursively();
    }
    return 0;
}
