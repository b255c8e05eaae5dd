// vireo-cli speaks the language the editor stored, or the one --language names: the texts it
// prints (the upload's closing message) and draws (the lamp names of a chart).
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <memory>

#include "config/settings_keys.h"
#include "files/kvs_writer.h"
#include "platform/settings_store.h"
#include "support/processes.h"
#include "text/language.h"
#include "timeline/timeline_painter.h"

using namespace vireo;
using namespace vireo::test;

namespace {

class CliLanguage : public ::testing::Test {
  protected:
    void SetUp() override {
        file = dir.filePath(QStringLiteral("a.kvs"));
        document.model = QStringLiteral("111");
        document.sequences[kWelcome] = {Step{"1", "", {1, 2, 3, 4}},
                                        Step{"0,5", "", {0, 0, 16, 16}}};
        ASSERT_TRUE(writeKvsFile(file, document));
    }
    QString home() const { return dir.filePath(QStringLiteral("home")); }
    // The language the editor would store, where the editor stores it on this system.
    void storeLanguage(const QString& language) {
        const QString ini = home() + QStringLiteral("/.config/Kelvor/Vireo.conf");
        ASSERT_TRUE(QDir().mkpath(QFileInfo(ini).path()));
        QSettingsStore(ini).write(settings_keys::kLanguage, language);
    }
    CliRun run(const QStringList& args) { return runCliAtHome(home(), args); }
    QImage chart(const QStringList& options) {
        const QString png = dir.filePath(QStringLiteral("chart.png"));
        QFile::remove(png);
        const CliRun r =
            run(QStringList{QStringLiteral("chart"), file, QStringLiteral("-o"), png} + options);
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        return QImage(png).convertToFormat(QImage::Format_ARGB32);
    }
    static QImage drawnIn(const LanguageTable& texts, const Sequence& rows) {
        return renderTimeline(rows, TimelineGeometry::kDefaultScale, timelineTexts(texts))
            .convertToFormat(QImage::Format_ARGB32);
    }

    QTemporaryDir dir;
    QString file;
    Document document;
};

}  // namespace

TEST_F(CliLanguage, ChartDrawsTheLampNamesOfTheStoredOrChosenLanguage) {
    LanguageTable english;
    ASSERT_EQ(english.load(QStringLiteral(VIREO_LANG_DIR), QStringLiteral("English")),
              LanguageTable::Status::Ok);
    const QImage inEnglish = drawnIn(english, document.sequences[kWelcome]);
    const QImage inGerman = drawnIn(LanguageTable::builtIn(), document.sequences[kWelcome]);
    ASSERT_NE(inEnglish, inGerman);

    EXPECT_EQ(chart({}), inGerman) << "nothing stored: German";
    storeLanguage(QStringLiteral("English"));
    EXPECT_EQ(chart({}), inEnglish) << "stored English";
    EXPECT_EQ(chart({QStringLiteral("--language"), QStringLiteral("Deutsch")}), inGerman);
    storeLanguage(QStringLiteral("Deutsch"));
    EXPECT_EQ(chart({QStringLiteral("--language"), QStringLiteral("English")}), inEnglish);
}

TEST_F(CliLanguage, UploadEndsWithTheSuccessMessageInTheStoredOrChosenLanguage) {
    const QString port = dir.filePath(QStringLiteral("module"));
    const auto upload = [&](const QStringList& options) {
        const VirtualModule module(port, {QStringLiteral("--type"), QStringLiteral("5.1")});
        EXPECT_TRUE(module.ready());
        const CliRun r = run(
            QStringList{QStringLiteral("upload"), file, QStringLiteral("--port"), port} + options);
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        EXPECT_EQ(r.out, QStringLiteral("sent 18 bytes\n"));
        return r.err;
    };
    const QString german = QStringLiteral(
        "www.kelvor.example: Die Daten wurden erfolgreich in das Modul übertragen.\n\n"
        "Speicherbedarf: 4 %\n");
    const QString english = QStringLiteral(
        "www.kelvor.example: The data has been transferred to the module successfully.\n\n"
        "Memory required: 4 %\n");

    storeLanguage(QStringLiteral("English"));
    const QString stored = upload({});
    EXPECT_TRUE(stored.endsWith(english)) << stored.toStdString();
    const QString chosen = upload({QStringLiteral("--language"), QStringLiteral("Deutsch")});
    EXPECT_TRUE(chosen.endsWith(german)) << chosen.toStdString();
}

// A name without a language file beside the program is bad usage, named in the message, before
// any file or port is touched.
TEST_F(CliLanguage, AnUnknownLanguageIsBadUsage) {
    const QString png = dir.filePath(QStringLiteral("x.png"));
    const QStringList commands[] = {
        {QStringLiteral("chart"), file, QStringLiteral("-o"), png},
        {QStringLiteral("upload"), file, QStringLiteral("--port"), dir.filePath("none")},
        {QStringLiteral("identify"), QStringLiteral("--port"), dir.filePath("none")},
    };
    for (const QStringList& command : commands) {
        const CliRun r =
            run(command + QStringList{QStringLiteral("--language"), QStringLiteral("Klingonisch")});
        EXPECT_EQ(r.exitCode, 2) << command.first().toStdString();
        EXPECT_TRUE(r.err.contains(QStringLiteral("\"Klingonisch\""))) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_FALSE(QFileInfo::exists(png));

        const CliRun help = run({command.first(), QStringLiteral("--help")});
        EXPECT_TRUE(help.out.contains(QStringLiteral("--language NAME")))
            << command.first().toStdString();
    }
}
