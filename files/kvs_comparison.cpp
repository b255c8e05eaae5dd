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

bool documentEqualsKvs(const Document& document, QByteArrayView fileBytes) {
    const std::optional<Document> stored = parseKvsBody(descrambleKvs(fileBytes));
    return stored && stored->model == document.model && stored->options == document.options &&
           sameSequence(document.sequences[0], stored->sequences[0]) &&
           sameSequence(document.sequences[1], stored->sequences[1]);
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
