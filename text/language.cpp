#include "text/language.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>

#include "platform/embedded_resources.h"
#include "text/text_ids.h"

namespace vireo {

QStringList listLanguages(const QString& folder) {
    QStringList names;
    QStringList files = QDir(folder).entryList(QDir::Files, QDir::Name);
    files.sort(Qt::CaseSensitive);
    for (const QString& file : files) {
        if (!file.endsWith(QLatin1String(".kvl"), Qt::CaseSensitive)) continue;
        names << file.section(QLatin1Char('.'), 0, 0);
    }
    return names;
}

void LanguageTable::parse(const QByteArray& bytes) {
    QStringDecoder decode("Windows-1252");
    const QString text = decode(bytes);
    // Lines end in CR LF as written, but a file edited or checked out elsewhere may end them in
    // LF or CR alone, or mix them; all read the same.
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n')) continue;
        lines << text.mid(start, i - start);
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    // A file that ends in a line break has no further line after it.
    if (start < text.size()) lines << text.mid(start);
    entries_.clear();
    entries_.reserve(lines.size() + 1);
    entries_.push_back(QString());
    for (const QString& line : lines) entries_.push_back(line.mid(4));
    constexpr int mirrors = text::FoldMirrors;
    if (entries_.size() > mirrors) entries_[mirrors] = entries_[mirrors].mid(4);
}

LanguageTable::Status LanguageTable::load(const QString& folder, const QString& language) {
    path_ = QDir(folder).filePath(language + QStringLiteral(".kvl"));
    QFile file(path_);
    if (!file.exists()) {
        entries_.clear();
        return status_ = Status::Missing;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        entries_.clear();
        return status_ = Status::Unreadable;
    }
    parse(file.readAll());
    return status_ = (size() <= highestEntry() ? Status::Short : Status::Ok);
}

QString LanguageTable::entry(int n) const {
    if (n > 0 && n < entries_.size()) return entries_[n];
    if (this != &builtIn()) return builtIn().entry(n);
    return QString();
}

const LanguageTable& LanguageTable::builtIn() {
    static const LanguageTable table = [] {
        ensureEmbeddedResources();
        LanguageTable t;
        QFile file(QStringLiteral(":/lang/Deutsch.kvl"));
        if (file.open(QIODevice::ReadOnly)) t.parse(file.readAll());
        return t;
    }();
    return table;
}

int LanguageTable::highestEntry() {
    return builtIn().size() - 1;
}

QString LanguageTable::problemText() const {
    const QString file = QDir::toNativeSeparators(path_);
    switch (status_) {
        case Status::Ok:
            return QString();
        case Status::Short:
            return entry(text::LanguageShort).arg(file).arg(size() - 1).arg(highestEntry());
        case Status::Missing:
        case Status::Unreadable:
            break;
    }
    return entry(text::LoadWarning) + QStringLiteral("\n\n") + file;
}

}  // namespace vireo
