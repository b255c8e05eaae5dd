// The manual's two languages: every picture and link resolves, and both show the same pictures
// in the same sections.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

namespace {

QString manualFolder() {
    return QDir(QStringLiteral(VIREO_LANG_DIR "/../../docs/manual")).absolutePath();
}

QString page(const QString& language) {
    QFile file(QDir(manualFolder()).filePath(language + QStringLiteral("/index.html")));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

QStringList captures(const QString& text, const char* pattern) {
    QStringList found;
    auto it = QRegularExpression(QString::fromLatin1(pattern)).globalMatch(text);
    while (it.hasNext()) found << it.next().captured(1);
    return found;
}

}  // namespace

TEST(ManualPages, EveryPictureLinkAndAnchorResolvesInBothLanguages) {
    for (const QString language : {QStringLiteral("de"), QStringLiteral("en")}) {
        SCOPED_TRACE(language.toStdString());
        const QString text = page(language);
        ASSERT_FALSE(text.isEmpty());
        const QDir here(QDir(manualFolder()).filePath(language));
        const QStringList ids = captures(text, R"(\bid="([^"]+)\")");
        for (const QString& target : captures(text, R"(\b(?:src|href)="([^"]+)\")")) {
            if (target.startsWith(QLatin1Char('#')))
                EXPECT_TRUE(ids.contains(target.mid(1))) << target.toStdString();
            else
                EXPECT_TRUE(QFileInfo::exists(here.filePath(target))) << target.toStdString();
        }
    }
}

TEST(ManualPages, BothLanguagesShowTheSamePicturesInTheSameSectionOrder) {
    const QString de = page(QStringLiteral("de"));
    const QString en = page(QStringLiteral("en"));
    // A section heading, then the pictures up to the next one, with the language left out.
    const auto outline = [](const QString& text) {
        QStringList items;
        auto it = QRegularExpression(QStringLiteral(R"(<h([23])\b|src="\.\./images/([^"]+)\")"))
                      .globalMatch(text);
        while (it.hasNext()) {
            const auto match = it.next();
            items << (match.captured(1).isEmpty()
                          ? match.captured(2).replace(
                                QRegularExpression(QStringLiteral("-(de|en)\\.")),
                                QStringLiteral("-XX."))
                          : QStringLiteral("h") + match.captured(1));
        }
        return items;
    };
    const QStringList pictures = outline(de).filter(QStringLiteral("."));
    EXPECT_EQ(outline(de), outline(en));
    // The dialogs of the newer commands are pictured.
    for (const char* picture : {"compact-XX.png", "recovery-XX.png", "pattern-XX.png"})
        EXPECT_TRUE(pictures.contains(QString::fromLatin1(picture))) << picture;
}
