#include "files/kvs_comparison.h"

#include <QFile>

#include "files/kvs_body.h"
#include "files/kvs_descrambler.h"

namespace vireo {

namespace {

bool sameStep(const Step& row, const Step& stored) {
    return row.time == stored.time && row.loop.trimmed() == stored.loop.trimmed() &&
           row.lamps == stored.lamps;
}

bool sameSequence(const Sequence& rows, const Sequence& stored) {
    return rows.size() == stored.size() &&
           std::equal(rows.begin(), rows.end(), stored.begin(), sameStep);
}

}  // namespace

bool sameDocumentValues(const Document& a, const Document& b) {
    return a.model == b.model && a.options == b.options &&
           sameSequence(a.sequences[0], b.sequences[0]) &&
           sameSequence(a.sequences[1], b.sequences[1]);
}

bool documentEqualsKvs(const Document& document, QByteArrayView fileBytes) {
    const std::optional<Document> stored = parseKvsBody(descrambleKvs(fileBytes));
    return stored && sameDocumentValues(document, *stored);
}

bool documentMatchesFile(const Document& document, const QString& path) {
    if (path.isEmpty()) return document.isEmpty();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return false;
    return documentEqualsKvs(document, bytes);
}

}  // namespace vireo
