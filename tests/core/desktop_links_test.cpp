#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "desktop/help_file.h"
#include "desktop/hyperlink.h"
#include "text/language.h"

namespace vireo {
namespace {

// Records what would have been opened; documents open unless told otherwise.
class FakeUrlOpener : public UrlOpener {
  public:
    bool openUrl(const QUrl& url, LinkWindow window) override {
        calls << QStringLiteral("url %1 %2")
                     .arg(url.toString(), window == LinkWindow::Maximised ? "maximised" : "normal");
        return true;
    }
    bool openDocument(const QString& path) override {
        calls << QStringLiteral("document ") + path;
        return documentsOpen;
    }
    bool offerOpenWith(const QString& path) override {
        calls << QStringLiteral("open-with ") + path;
        return true;
    }
    QStringList calls;
    bool documentsOpen = true;
};

TEST(Hyperlink, PrefixesDecideHowATargetOpens) {
    const std::pair<const char*, const char*> cases[] = {
        {"www.kelvor.example", "url http://www.kelvor.example maximised"},
        {"http://kelvor.example/vireo", "url http://kelvor.example/vireo maximised"},
        {"mailto:info@kelvor.example", "url mailto:info@kelvor.example normal"},
        {"App:/home/user/Sequenz 1.kvs", "document /home/user/Sequenz 1.kvs"},
        // Exact and case-sensitive: everything else opens nothing.
        {"WWW.kelvor.example", ""},
        {"Http://kelvor.example", ""},
        {"https://kelvor.example", ""},
        {"app:/tmp/x.kvs", ""},
        {" www.kelvor.example", ""},
        {"", ""},
    };
    for (const auto& [target, expected] : cases) {
        FakeUrlOpener opener;
        const bool opened = Hyperlink_Open(QString::fromUtf8(target), opener);
        EXPECT_EQ(opener.calls.join(" | "), QString::fromUtf8(expected)) << target;
        EXPECT_EQ(opened, *expected != '\0') << target;
    }
}

TEST(Hyperlink, DocumentWithoutProgramOffersOpenWith) {
    FakeUrlOpener opener;
    opener.documentsOpen = false;
    EXPECT_TRUE(Hyperlink_Open(QStringLiteral("App:C:/Daten/a.xyz"), opener));
    EXPECT_EQ(opener.calls, (QStringList{"document C:/Daten/a.xyz", "open-with C:/Daten/a.xyz"}));
}

TEST(Hyperlink, MailLinkHasEmptySubjectAndBody) {
    const QString link = mailLink(QStringLiteral("info@kelvor.example"));
    EXPECT_EQ(link, "mailto:info@kelvor.example?Subject=&Body=");
    FakeUrlOpener opener;
    EXPECT_TRUE(Hyperlink_Open(link, opener));
    EXPECT_EQ(opener.calls, (QStringList{"url mailto:info@kelvor.example?Subject=&Body= normal"}));
}

class HelpFile : public ::testing::Test {
  protected:
    void put(const QString& relativePath) {
        ASSERT_TRUE(QDir(folder.path()).mkpath(QFileInfo(folder.filePath(relativePath)).path()));
        QFile file(folder.filePath(relativePath));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QTemporaryDir folder;
};

TEST_F(HelpFile, CompiledHelpOfTheLanguageComesFirst) {
    put("Help_D.chm");
    put("Help_E.chm");
    put("manual/de/index.html");
    EXPECT_EQ(helpDocument("Deutsch", folder.path()).path, folder.filePath("Help_D.chm"));
    EXPECT_EQ(helpDocument("English", folder.path()).path, folder.filePath("Help_E.chm"));
    // Only "Deutsch" exactly is German.
    EXPECT_EQ(helpDocument("deutsch", folder.path()).path, folder.filePath("Help_E.chm"));
}

TEST_F(HelpFile, HtmlManualStandsInForMissingCompiledHelp) {
    put("Help_D.chm");
    put("manual/en/index.html");
    EXPECT_EQ(helpDocument("English", folder.path()).path, folder.filePath("manual/en/index.html"));
}

TEST_F(HelpFile, NothingFoundNamesTheMissingFile) {
    put("Help_D.chm");
    put("manual/de/index.html");
    const HelpDocument help = helpDocument("English", folder.path());
    EXPECT_FALSE(help.found());
    EXPECT_EQ(help.missing, QDir::toNativeSeparators(folder.filePath("Help_E.chm")));
    EXPECT_EQ(missingHelpMessage(help, LanguageTable::builtIn()),
              QStringLiteral("Die Hilfedatei wurde nicht gefunden:\n") + help.missing);
}

// Found but not shown (no program on the system opens it): the user is told where it is, not
// that the file is damaged.
TEST_F(HelpFile, HelpThatNoProgramShowsNamesTheFile) {
    put("manual/en/index.html");
    const HelpDocument help = helpDocument("English", folder.path());
    ASSERT_TRUE(help.found());
    EXPECT_EQ(helpNotShownMessage(help, LanguageTable::builtIn()),
              QStringLiteral("Es wurde kein Programm gefunden, das das Handbuch anzeigen kann. "
                             "Das Handbuch liegt hier:\n") +
                  QDir::toNativeSeparators(folder.filePath("manual/en/index.html")));
}

}  // namespace
}  // namespace vireo
