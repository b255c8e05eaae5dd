#include "files/examples.h"

#include <QDir>
#include <QFileInfo>

#include "config/language.h"

namespace vireo {

namespace {
constexpr int kEntrySweep = 257;
constexpr int kEntryIndicatorsOutward = 258;
constexpr int kEntryDoubleBlink = 259;
constexpr int kEntryLensFadeIn = 260;
constexpr int kEntryGoodbyeFromRear = 261;
constexpr int kEntryAlternate = 262;
constexpr int kEntryFullShow = 263;
}  // namespace

const QList<ExampleSequence>& exampleSequences() {
    static const QList<ExampleSequence> examples = {
        {QStringLiteral("sweep.kvs"), kEntrySweep},
        {QStringLiteral("indicators-outward.kvs"), kEntryIndicatorsOutward},
        {QStringLiteral("double-blink.kvs"), kEntryDoubleBlink},
        {QStringLiteral("lens-fade-in.kvs"), kEntryLensFadeIn},
        {QStringLiteral("goodbye-from-rear.kvs"), kEntryGoodbyeFromRear},
        {QStringLiteral("alternate.kvs"), kEntryAlternate},
        {QStringLiteral("full-show.kvs"), kEntryFullShow},
    };
    return examples;
}

QString examplesFolder(const QString& programFolder) {
    return QDir(programFolder).filePath(QStringLiteral("examples"));
}

QList<ExampleChoice> availableExamples(const QString& programFolder,
                                       const LanguageTable& language) {
    const QDir folder(examplesFolder(programFolder));
    QList<ExampleChoice> choices;
    for (const ExampleSequence& example : exampleSequences()) {
        const QString path = folder.filePath(example.fileName);
        if (QFileInfo(path).isFile()) choices.append({language.entry(example.titleEntry), path});
    }
    return choices;
}

}  // namespace vireo
