// Feeds arbitrary bytes to the .kvs reader and the comparison. Besides the sanitizers' checks
// it holds the reader to two promises: a document it loads compares equal to its file (unless
// the option string had to be filled), and writing that document and reading it again gives
// the same document.
#include <cstdint>
#include <cstdlib>

#include "files/kvs_body.h"
#include "files/kvs_comparison.h"
#include "files/kvs_descrambler.h"
#include "files/kvs_format.h"
#include "files/kvs_reader.h"
#include "files/kvs_writer.h"

using namespace vireo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView bytes(data, qsizetype(size));
    const KvsReadResult read = readKvs(bytes);
    const bool equalsDefault = documentEqualsKvs(Document{}, bytes);
    (void)equalsDefault;
    if (read.verdict != KvsVerdict::Loaded) return 0;

    const std::optional<Document> stored = parseKvsBody(descrambleKvs(bytes));
    if (!stored) std::abort();  // loaded, so the body parses
    if (stored->options.size() >= kvs::kOptionsLength && !documentEqualsKvs(read.document, bytes))
        std::abort();

    const KvsReadResult again = readKvs(kvsBytes(read.document));
    if (again.verdict != KvsVerdict::Loaded || !(again.document == read.document)) std::abort();
    return 0;
}
