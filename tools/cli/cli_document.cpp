#include <QCommandLineParser>
#include <QFile>
#include <cstdio>

#include "files/document_json.h"
#include "files/kvs_writer.h"
#include "tools/cli/cli_arguments.h"
#include "tools/cli/cli_kvs_input.h"
#include "tools/cli/commands.h"

namespace vireo::cli {

int show(const QStringList& args) {
    QCommandLineParser parser;
    if (!parseCommandArguments(QStringLiteral("show"), parser, args)) return kUsage;
    Document document;
    if (const int code =
            loadKvsFile(QStringLiteral("show"), parser.positionalArguments().first(), &document);
        code != kOk)
        return code;
    const QByteArray json = documentToJson(document);
    if (std::fwrite(json.constData(), 1, size_t(json.size()), stdout) != size_t(json.size()) ||
        std::fflush(stdout) != 0) {
        complain(QStringLiteral("show"), QStringLiteral("standard output"),
                 QStringLiteral("cannot write"));
        return kUsage;
    }
    return kOk;
}

int write(const QStringList& args) {
    const QString command = QStringLiteral("write");
    QCommandLineParser parser;
    if (!parseCommandArguments(command, parser, args)) return kUsage;
    const QString path = parser.positionalArguments().first();

    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly)) {
        complain(command, QStringLiteral("standard input"), in.errorString());
        return kUsage;
    }
    QString problem;
    const std::optional<Document> document = documentFromJson(in.readAll(), &problem);
    if (!document) {
        complain(command, QStringLiteral("standard input"), problem);
        return kUsage;
    }
    return storeKvsFile(command, path, *document);
}

}  // namespace vireo::cli
