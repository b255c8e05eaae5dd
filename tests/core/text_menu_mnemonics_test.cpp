#include <gtest/gtest.h>

#include "text/menu_mnemonics.h"

using namespace vireo;

// Every menu of the bar gets its own Alt letter, the first one free, in both languages.
TEST(MenuMnemonics, EachMenuTakesTheFirstFreeLetter) {
    const struct {
        QStringList captions;
        QStringList expected;
    } cases[] = {
        {{"Datei", "Bearbeiten", "Ansicht", "Verbindung", "Konfiguration", "Info", "Hilfe"},
         {"&Datei", "&Bearbeiten", "&Ansicht", "&Verbindung", "&Konfiguration", "&Info", "&Hilfe"}},
        {{"File", "Edit", "View", "Connection", "Configuration", "Info", "Help"},
         {"&File", "&Edit", "&View", "&Connection", "C&onfiguration", "&Info", "&Help"}},
        // A caption's own letter is kept and not given to another; a blank is never a letter.
        {{" Fenster", "&Extras", "Ex"}, {" &Fenster", "&Extras", "E&x"}},
        // No free letter: the caption stays as it is.
        {{"ab", "ba", "a"}, {"&ab", "&ba", "a"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(withMnemonics(c.captions), c.expected) << c.captions.join('|').toStdString();
}
