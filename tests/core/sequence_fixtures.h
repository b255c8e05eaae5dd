#pragma once

#include <QByteArray>
#include <QStringList>
#include <initializer_list>
#include <ostream>

#include "sequence/document.h"
#include "sequence/edit_outcome.h"
#include "sequence/loop_marker.h"
#include "sequence/selection.h"
#include "support/numbered_language.h"
#include "support/printing.h"
#include "tests/support/fakes.h"
#include "text/language.h"

namespace vireo::test {

// A table whose row at position p (1-based) has the on-time p seconds, lamp byte p on corner 1 and
// the given marker, so tests can follow where each row went.
inline Sequence table(std::initializer_list<QString> markers) {
    Sequence rows;
    for (const QString& m : markers) {
        const int p = rows.size() + 1;
        rows.append(Step{OnTime::ofTenths(10 * p), m, LampBytes{p, 0, 0, 0}});
    }
    return rows;
}
inline Sequence plainTable(int n) {
    Sequence rows;
    for (int p = 1; p <= n; ++p)
        rows.append(Step{OnTime::ofTenths(10 * p), {}, LampBytes{p, 0, 0, 0}});
    return rows;
}

// A selection given by 1-based positions, as the user sees them; current 0 means none.
inline Selection positions(std::initializer_list<int> selected, int current = 0) {
    Selection s;
    for (int p : selected) s.rows << p - 1;
    s.current = current - 1;
    return s;
}
inline Selection positionRange(int first, int last, int current = 0) {
    Selection s;
    for (int p = first; p <= last; ++p) s.rows << p - 1;
    s.current = current - 1;
    return s;
}

// The on-times as a German table shows them.
inline QStringList times(const Sequence& rows) {
    QStringList t;
    for (const Step& s : rows) t << s.time.text(QLocale(QLocale::German, QLocale::Germany));
    return t;
}
inline QStringList markers(const Sequence& rows) {
    QStringList m;
    for (const Step& s : rows) m << s.loop;
    return m;
}

inline const QString A = loopMarker(1, 3);
inline const QString B = loopMarker(2, 2);
inline const QString C = loopMarker(3, 5);

// The refusals of table edits in the numbered language: the entry and the limit it names.
inline const QString kTooManyRows = QStringLiteral("E217 500");
inline const QString kTooManyToCopy = QStringLiteral("E218 51");

struct EditFixture {
    FakePrompter prompter;
    EditContext context{prompter, numberedLanguage()};
};

}  // namespace vireo::test
