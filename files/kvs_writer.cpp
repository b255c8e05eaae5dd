#include "files/kvs_writer.h"

#include "files/kvs_format.h"
#include "files/kvs_reader.h"
#include "files/safe_file_writer.h"
#include "files/windows1252.h"

namespace vireo {

namespace {

// Appends plain characters as scrambled units and keeps the running checksum.
class BodyWriter {
  public:
    explicit BodyWriter(QByteArray& out) : out_(out) {}

    void character(unsigned char code) {
        out_.append(char(code ^ kvs::kKey));
        out_.append('\0');
        checksum_ ^= code;
    }
    void letter(char code) {
        character(static_cast<unsigned char>(code));
        out_.append(3 - 1, '\0');  // a letter unit has three filler bytes
    }
    void text(const QString& text) {
        for (char c : toWindows1252(text)) character(static_cast<unsigned char>(c));
    }
    // The checksum's digits are stored but not summed.
    void checksum() {
        for (char c : QByteArray::number(checksum_)) {
            out_.append(char(c ^ kvs::kKey));
            out_.append('\0');
        }
    }

  private:
    QByteArray& out_;
    unsigned char checksum_ = kvs::kChecksumStart;
};

void writeSequence(BodyWriter& body, const Sequence& rows, const QLocale& madeForm) {
    body.text(QString::number(rows.size()));
    body.letter(kvs::kAfterCount);
    for (const Step& row : rows) {
        body.text(row.time.writtenText(madeForm));
        body.character(kvs::kAfterTime);
        if (!row.loop.isEmpty()) {
            body.text(row.loop);
            body.character(kvs::kAfterMarker);
        }
        for (int lamp : row.lamps) body.character(static_cast<unsigned char>(lamp & 0xFF));
        body.character(kvs::kEndOfStep);
    }
}

// Codes that scramble to bytes the reader drops: 0xE7 -> zero, 0xEA -> CR, 0xED -> LF.
bool droppedByReader(unsigned char code) {
    const unsigned char stored = code ^ kvs::kKey;
    return stored == 0 || stored == '\r' || stored == '\n';
}

// Characters a text field cannot hold: the record characters end it early.
bool breaksField(unsigned char code) {
    return code == kvs::kAfterModel || code == kvs::kAfterOptions || code == kvs::kAfterCount ||
           code == kvs::kAfterTime || code == kvs::kAfterMarker || code == kvs::kEndOfStep ||
           droppedByReader(code);
}

QString textProblem(const QString& what, const QString& text) {
    bool encodable = true;
    const QByteArray bytes = toWindows1252(text, &encodable);
    if (!encodable) return what + QStringLiteral(" holds a character Windows-1252 lacks");
    for (char c : bytes)
        if (breaksField(static_cast<unsigned char>(c)))
            return what + QStringLiteral(
                              " holds the character \"%1\", which a .kvs file cannot "
                              "keep there")
                              .arg(fromWindows1252(QByteArrayView(&c, 1)));
    return QString();
}

}  // namespace

QLocale onTimeFormOf(const Document& document) {
    for (const Sequence& rows : document.sequences)
        for (const Step& row : rows)
            if (row.time.hasWrittenText() && row.time.writtenText().contains(QLatin1Char('.')))
                return QLocale::c();
    return QLocale(QLocale::German, QLocale::Germany);
}

QByteArray kvsBytes(const Document& document, const QLocale& madeForm) {
    QByteArray out = kvs::headerLine();
    // About 20 characters of two bytes per step; reserving avoids regrowing a large file.
    out.reserve(out.size() + 128 +
                40 * (document.sequences[0].size() + document.sequences[1].size()));
    BodyWriter body(out);
    body.text(document.model);
    body.letter(kvs::kAfterModel);
    body.text(document.options);
    body.letter(kvs::kAfterOptions);
    writeSequence(body, document.sequences[0], madeForm);
    writeSequence(body, document.sequences[1], madeForm);
    body.checksum();
    return out;
}

KvsWriteProblem kvsWriteCheck(const Document& document, const QLocale& madeForm) {
    using Field = KvsWriteProblem::Field;
    if (QString p = textProblem(QStringLiteral("the model"), document.model); !p.isEmpty())
        return {Field::Model, -1, -1, p};
    if (QString p = textProblem(QStringLiteral("the option string"), document.options);
        !p.isEmpty())
        return {Field::Options, -1, -1, p};
    if (document.options.size() < kvs::kOptionsLength)
        return {Field::Options, -1, -1,
                QStringLiteral("the option string has fewer than %1 characters")
                    .arg(kvs::kOptionsLength)};
    for (int s = 0; s < 2; ++s) {
        for (int i = 0; i < document.sequences[s].size(); ++i) {
            const Step& row = document.sequences[s][i];
            const QString where = QStringLiteral("step %1 of sequence %2").arg(i + 1).arg(s);
            if (QString p = textProblem(QStringLiteral("the time of ") + where,
                                        row.time.writtenText(madeForm));
                !p.isEmpty())
                return {Field::Time, s, i, p};
            if (QString p = textProblem(QStringLiteral("the loop marker of ") + where, row.loop);
                !p.isEmpty())
                return {Field::Loop, s, i, p};
            const bool marker = row.loop.size() == 10 ||
                                (row.loop.size() > 10 && row.loop.startsWith(QLatin1Char('S')));
            if (!row.loop.isEmpty() && !marker)
                return {Field::Loop, s, i,
                        QStringLiteral("the loop marker of %1 is not a marker (ten characters, or "
                                       "more starting with \"S\")")
                            .arg(where)};
            for (int lamp : row.lamps) {
                if (lamp < 0 || lamp > 255)
                    return {Field::Lamps, s, i,
                            QStringLiteral("a lamp byte of %1 is outside 0..255").arg(where)};
                if (lamp == kvs::kEndOfStep || droppedByReader(static_cast<unsigned char>(lamp)))
                    return {Field::Lamps, s, i,
                            QStringLiteral("the lamp byte %1 of %2 cannot be stored in a .kvs file")
                                .arg(lamp)
                                .arg(where)};
            }
        }
    }
    // Whatever the checks above miss (a marker the reader would not recognise, ...).
    const KvsReadResult back = readKvs(kvsBytes(document, madeForm));
    if (back.verdict != KvsVerdict::Loaded || !(back.document == document))
        return {Field::Document, -1, -1,
                QStringLiteral("the document would not read back the same from a .kvs file")};
    return {};
}

QString kvsWriteProblem(const Document& document, const QLocale& madeForm) {
    return kvsWriteCheck(document, madeForm).description;
}

bool writeKvsFile(const QString& path, const Document& document, QString* error,
                  const QLocale& madeForm) {
    return writeFileSafely(path, kvsBytes(document, madeForm), DiskSync::Now, error);
}

}  // namespace vireo
