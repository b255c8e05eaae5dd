#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

namespace vireo {

// The language names of the language files in a folder: every file whose name ends in ".kvl"
// (exact, case-sensitive), named by the part before the first ".", sorted by file name so the
// order is the same on every system.
QStringList listLanguages(const QString& folder);

// The text table of one language file. Entry n is line n of the file without its first four
// characters; the entry text::FoldMirrors loses four more. Lines are Windows-1252 text. An entry
// the file lacks falls back to the built-in German text.
class LanguageTable {
  public:
    enum class Status { Ok, Missing, Unreadable, Short };

    // The highest entry a complete language file holds: that of the German file built in, which
    // the same script writes as every other language file.
    static int highestEntry();

    // Loads the file of the language beside the program; on failure the built-in German table
    // stands in. The status says what was wrong.
    Status load(const QString& folder, const QString& language);
    // Parses the bytes of a language file.
    void parse(const QByteArray& bytes);

    QString entry(int n) const;
    int size() const { return static_cast<int>(entries_.size()); }
    Status status() const { return status_; }
    QString path() const { return path_; }
    // What is wrong with the loaded file, for the user; empty when it loaded whole.
    QString problemText() const;

    // The built-in German table (the German language file compiled into the program).
    static const LanguageTable& builtIn();

  private:
    QVector<QString> entries_;  // index 0 stays empty
    Status status_ = Status::Ok;
    QString path_;
};

}  // namespace vireo
