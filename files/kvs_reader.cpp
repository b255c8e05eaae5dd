#include "files/kvs_reader.h"

#include <QFile>

#include "files/kvs_body.h"
#include "files/kvs_descrambler.h"
#include "files/kvs_format.h"

namespace vireo {

KvsReadResult readKvs(QByteArrayView fileBytes) {
    KvsReadResult result;
    const QByteArray plain = descrambleKvs(fileBytes);
    if (!kvsChecksumMatches(plain)) {
        result.problem = QStringLiteral("the checksum does not match");
        return result;
    }
    std::optional<Document> doc = parseKvsBody(plain, &result.problem);
    if (!doc) return result;
    if (doc->options.size() < kvs::kOptionsLength)
        doc->options = doc->options.leftJustified(kvs::kOptionsLength, QLatin1Char('0'));
    result.document = std::move(*doc);
    result.verdict = KvsVerdict::Loaded;
    return result;
}

KvsReadResult readKvsFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        KvsReadResult result;
        result.verdict = KvsVerdict::Unreadable;
        result.problem = file.errorString();
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        KvsReadResult result;
        result.verdict = KvsVerdict::Unreadable;
        result.problem = file.errorString();
        return result;
    }
    return readKvs(bytes);
}

}  // namespace vireo
