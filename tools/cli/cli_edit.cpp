#include <QCommandLineParser>
#include <QFile>
#include <QTextStream>
#include <cstdio>
#include <optional>

#include "files/kvs_writer.h"
#include "platform/clock.h"
#include "platform/settings_store.h"
#include "session/edit_script.h"
#include "session/editing_session.h"
#include "tools/cli/cli_arguments.h"
#include "tools/cli/cli_kvs_input.h"
#include "tools/cli/cli_language.h"
#include "tools/cli/commands.h"

namespace vireo::cli {

namespace {

const QString kCommand = QStringLiteral("edit");

struct ScriptLine {
    int number = 0;  // 1-based line of the script
    EditLine line;
};

// The script's text, from its file or (for "-") standard input.
std::optional<QByteArray> readScript(const QString& path) {
    QFile file;
    const bool opened = path == QLatin1String("-")
                            ? file.open(stdin, QIODevice::ReadOnly)
                            : (file.setFileName(path), file.open(QIODevice::ReadOnly));
    if (!opened) {
        complain(kCommand, path, QStringLiteral("cannot read the script: ") + file.errorString());
        return std::nullopt;
    }
    return file.readAll();
}

// Every line read before anything runs: a bad line stops the script before it changes anything.
std::optional<QList<ScriptLine>> readLines(const QString& path, const QByteArray& bytes) {
    QList<ScriptLine> lines;
    const QStringList texts = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
    for (int i = 0; i < texts.size(); ++i) {
        const EditLineRead read = readEditLine(texts[i]);
        if (!read.problem.isEmpty()) {
            complain(kCommand, path, QStringLiteral("line %1: %2").arg(i + 1).arg(read.problem));
            return std::nullopt;
        }
        if (read.line) lines.append({i + 1, *read.line});
    }
    return lines;
}

}  // namespace

int edit(const QStringList& args) {
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")}, {},
                                    QStringLiteral("OUT.kvs"));
    const QCommandLineOption script(QStringLiteral("script"), {}, QStringLiteral("SCRIPT"));
    QCommandLineParser parser;
    parser.addOptions({output, script, languageOption()});
    if (!parseCommandArguments(kCommand, parser, args, 1)) return kUsage;
    if (!parser.isSet(output))
        return usageProblem(kCommand, QStringLiteral("no output file given (-o OUT.kvs)"));
    if (!parser.isSet(script))
        return usageProblem(kCommand, QStringLiteral("no script given (--script SCRIPT, or - "
                                                     "for standard input)"));
    const auto texts = commandLanguage(kCommand, parser);
    if (!texts) return kUsage;
    const QString file = parser.positionalArguments().first();
    const QString scriptPath = parser.value(script);

    const auto bytes = readScript(scriptPath);
    if (!bytes) return kUsage;
    const auto lines = readLines(scriptPath, *bytes);
    if (!lines) return kUsage;
    Document document;
    if (const int code = loadKvsFile(kCommand, file, &document); code != kOk) return code;
    // Changed on-times are written in the form of the file's own.
    const QLocale form = onTimeFormOf(document);

    // The document as the window holds it after opening the file: its vehicle applied.
    MemorySettingsStore settings;
    ScriptPrompter prompter(*texts);
    SteadyClock clock;
    EditingSession session(settings, prompter, *texts, clock);
    session.editor().reset(document);
    session.vehicle().restore(document.model, document.options);
    session.applyModel();

    QTextStream out(stdout);
    for (const ScriptLine& l : *lines) {
        const QString problem = runEditLine(session, prompter, l.line);
        for (int entry : prompter.takeMessages()) out << "message " << entry << '\n';
        if (!problem.isEmpty()) {
            out.flush();
            complain(kCommand, scriptPath,
                     QStringLiteral("line %1: %2").arg(l.number).arg(problem));
            return kUsage;
        }
    }
    out.flush();

    return storeKvsFile(kCommand, parser.value(output), session.document(), form);
}

}  // namespace vireo::cli
