#include "files/examples.h"

#include <QDir>
#include <QFileInfo>

#include "text/language.h"
#include "text/text_ids.h"

namespace vireo {

const QList<ExampleSequence>& exampleSequences() {
    static const QList<ExampleSequence> examples = {
        {QStringLiteral("sweep.kvs"), text::ExampleSweep},
        {QStringLiteral("indicators-outward.kvs"), text::ExampleIndicatorsOutward},
        {QStringLiteral("double-blink.kvs"), text::ExampleDoubleBlink},
        {QStringLiteral("lens-fade-in.kvs"), text::ExampleLensFadeIn},
        {QStringLiteral("goodbye-from-rear.kvs"), text::ExampleGoodbyeFromRear},
        {QStringLiteral("alternate.kvs"), text::ExampleAlternate},
        {QStringLiteral("full-show.kvs"), text::ExampleFullShow},
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
