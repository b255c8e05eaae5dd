#pragma once

#include <QList>
#include <QString>

namespace vireo {

class LanguageTable;

// The example sequences shipped with the program: .kvs files in the folder "examples" of the
// program folder, each named in the menu by a language entry.
struct ExampleSequence {
    QString fileName;  // "sweep.kvs"
    int titleEntry = 0;
};

// Every example, in the order the menu lists them.
const QList<ExampleSequence>& exampleSequences();

// The folder the examples lie in, below the program folder.
QString examplesFolder(const QString& programFolder);

// An example as the menu offers it: its title in the current language and its file.
struct ExampleChoice {
    QString title;
    QString path;
};

// The examples whose files are present in the folder, with their titles.
QList<ExampleChoice> availableExamples(const QString& programFolder, const LanguageTable& language);

}  // namespace vireo
