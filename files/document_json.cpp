#include "files/document_json.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

namespace vireo {

namespace {

QByteArray jsonString(const QString& text) {
    QString out = QStringLiteral("\"");
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        if (c == '"' || c == '\\') {
            out += QLatin1Char('\\');
            out += ch;
        } else if (c == '\n') {
            out += QStringLiteral("\\n");
        } else if (c == '\t') {
            out += QStringLiteral("\\t");
        } else if (c == '\r') {
            out += QStringLiteral("\\r");
        } else if (c < 0x20) {
            out += QStringLiteral("\\u%1").arg(int(c), 4, 16, QLatin1Char('0'));
        } else {
            out += ch;
        }
    }
    out += QLatin1Char('"');
    return out.toUtf8();
}

QByteArray rowJson(const Step& row, const QLocale& madeForm) {
    QByteArray out = "{\"time\": " + jsonString(row.time.writtenText(madeForm)) +
                     ", \"loop\": " + jsonString(row.loop) + ", \"lamps\": [";
    for (int c = 0; c < kCorners; ++c) {
        if (c) out += ", ";
        out += QByteArray::number(row.lamps[c]);
    }
    return out + "]}";
}

QByteArray sequenceJson(const Sequence& rows, const QLocale& madeForm) {
    if (rows.isEmpty()) return "[]";
    QByteArray out = "[ ";
    for (int i = 0; i < rows.size(); ++i) {
        if (i) out += ",\n      ";
        out += rowJson(rows[i], madeForm);
    }
    return out + " ]";
}

}  // namespace

QByteArray rowsToJson(const Sequence& rows, const QLocale& madeForm) {
    if (rows.isEmpty()) return "[]\n";
    QByteArray out = "[\n";
    for (int i = 0; i < rows.size(); ++i)
        out += "  " + rowJson(rows[i], madeForm) + (i + 1 < rows.size() ? ",\n" : "\n");
    return out + "]\n";
}

namespace {

class JsonReader {
  public:
    explicit JsonReader(QString* error) : error_(error) {}

    bool fail(const QString& text) {
        if (error_ && error_->isEmpty()) *error_ = text;
        return false;
    }

    bool onlyKeys(const QJsonObject& object, const QStringList& known, const QString& where) {
        for (const QString& key : object.keys())
            if (!known.contains(key))
                return fail(QStringLiteral("unknown key \"%1\" in %2").arg(key, where));
        return true;
    }

    bool text(const QJsonObject& object, const QString& key, const QString& where, QString* out,
              bool required = true) {
        const QJsonValue value = object.value(key);
        if (value.isUndefined()) {
            if (!required) return true;
            return fail(QStringLiteral("%1 has no \"%2\"").arg(where, key));
        }
        if (!value.isString())
            return fail(QStringLiteral("\"%1\" of %2 is not a text").arg(key, where));
        *out = value.toString();
        return true;
    }

    bool onTime(const QJsonObject& object, const QString& where, OnTime* out) {
        QString time;
        if (!text(object, QStringLiteral("time"), where, &time)) return false;
        *out = OnTime::parse(time);
        return true;
    }

    bool lamps(const QJsonObject& object, const QString& where, LampBytes* out) {
        const QJsonValue value = object.value(QStringLiteral("lamps"));
        if (value.isUndefined()) return fail(QStringLiteral("%1 has no \"lamps\"").arg(where));
        const QJsonArray array = value.toArray();
        if (!value.isArray() || array.size() != kCorners)
            return fail(QStringLiteral("\"lamps\" of %1 is not a list of four numbers").arg(where));
        for (int c = 0; c < kCorners; ++c) {
            const double v = array[c].toDouble(-1);
            if (!array[c].isDouble() || v != int(v) || v < 0 || v > 255)
                return fail(QStringLiteral("lamp %1 of %2 is not a whole number 0..255")
                                .arg(c + 1)
                                .arg(where));
            (*out)[c] = int(v);
        }
        return true;
    }

    bool row(const QJsonValue& value, const QString& where, Step* out) {
        if (!value.isObject()) return fail(where + QStringLiteral(" is not an object"));
        const QJsonObject object = value.toObject();
        return onlyKeys(object,
                        {QStringLiteral("time"), QStringLiteral("loop"), QStringLiteral("lamps")},
                        where) &&
               onTime(object, where, &out->time) &&
               text(object, QStringLiteral("loop"), where, &out->loop, false) &&
               lamps(object, where, &out->lamps);
    }

    bool sequences(const QJsonObject& object, Document* out) {
        const QJsonValue value = object.value(QStringLiteral("sequences"));
        if (value.isUndefined()) return fail(QStringLiteral("the document has no \"sequences\""));
        const QJsonArray array = value.toArray();
        if (!value.isArray() || array.size() != 2)
            return fail(QStringLiteral("\"sequences\" is not a list of two sequences"));
        for (int s = 0; s < 2; ++s) {
            if (!array[s].isArray())
                return fail(QStringLiteral("sequence %1 is not a list of rows").arg(s));
            const QJsonArray rows = array[s].toArray();
            for (int i = 0; i < rows.size(); ++i) {
                Step step;
                if (!row(rows[i], QStringLiteral("row %1 of sequence %2").arg(i + 1).arg(s), &step))
                    return false;
                out->sequences[s].append(step);
            }
        }
        return true;
    }

  private:
    QString* error_;
};

}  // namespace

QByteArray documentToJson(const Document& document, const QLocale& madeForm) {
    return "{\n  \"model\": " + jsonString(document.model) +
           ",\n  \"options\": " + jsonString(document.options) + ",\n  \"sequences\": [\n    " +
           sequenceJson(document.sequences[0], madeForm) + ",\n    " +
           sequenceJson(document.sequences[1], madeForm) + "\n  ]\n}\n";
}

std::optional<Document> documentFromJson(const QByteArray& json, QString* error) {
    if (error) error->clear();
    QJsonParseError parseError;
    const QJsonDocument parsed = QJsonDocument::fromJson(json, &parseError);
    JsonReader reader(error);
    if (parseError.error != QJsonParseError::NoError) {
        reader.fail(QStringLiteral("not valid JSON at offset %1: %2")
                        .arg(parseError.offset)
                        .arg(parseError.errorString()));
        return std::nullopt;
    }
    if (!parsed.isObject()) {
        reader.fail(QStringLiteral("the document is not a JSON object"));
        return std::nullopt;
    }
    const QJsonObject object = parsed.object();
    const QString where = QStringLiteral("the document");
    Document document;
    if (!reader.onlyKeys(
            object,
            {QStringLiteral("model"), QStringLiteral("options"), QStringLiteral("sequences")},
            where) ||
        !reader.text(object, QStringLiteral("model"), where, &document.model) ||
        !reader.text(object, QStringLiteral("options"), where, &document.options) ||
        !reader.sequences(object, &document))
        return std::nullopt;
    return document;
}

}  // namespace vireo
