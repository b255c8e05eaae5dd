#include "tools/cli/cli_kvs_input.h"

#include <QTextStream>

#include "files/kvs_reader.h"
#include "files/kvs_writer.h"
#include "tools/cli/commands.h"

namespace vireo::cli {

void complain(const QString& command, const QString& what, const QString& problem) {
    QTextStream(stderr) << "vireo-cli " << command << ": " << what << ": " << problem << '\n';
}

int loadKvsFile(const QString& command, const QString& path, Document* document) {
    KvsReadResult read = readKvsFile(path);
    switch (read.verdict) {
        case KvsVerdict::Loaded:
            *document = std::move(read.document);
            return kOk;
        case KvsVerdict::Unreadable:
            complain(command, path, QStringLiteral("cannot read the file: ") + read.problem);
            return kUsage;
        case KvsVerdict::Damaged:
            break;
    }
    complain(command, path, QStringLiteral("the file is damaged: ") + read.problem);
    return kDamaged;
}

int storeKvsFile(const QString& command, const QString& path, const Document& document,
                 const QLocale& form) {
    QString problem = kvsWriteProblem(document, form);
    if (!problem.isEmpty()) {
        complain(command, path, QStringLiteral("cannot store the document: ") + problem);
        return kUsage;
    }
    if (!writeKvsFile(path, document, &problem, form)) {
        complain(command, path, QStringLiteral("cannot write the file: ") + problem);
        return kUsage;
    }
    return kOk;
}

}  // namespace vireo::cli
