#include <gtest/gtest.h>

#include "text/printable_text.h"

using namespace finplan;

TEST(PrintableText, ShowsControlCharactersAsQuestionMarks) {
    struct Row {
        std::string in;
        std::string expected;
    } rows[] = {
        {"Épargne Société", "Épargne Société"}, // accented UTF-8 letters intact
        {"€ 5 日本", "€ 5 日本"},               // three-byte characters intact
        {"\x1b]0;pwned\x07x", "?]0;pwned?x"},   // set-title sequence
        {"a\nb\tc\r\x7f", "a?b?c??"},           // C0 controls and DEL
        {"x\xc2\x9b"
         "2J\xc2\xa0",
         "x?2J\xc2\xa0"}, // UTF-8 C1 control; NBSP kept
        {"x\x9b"
         "2J",
         "x?2J"},                         // raw 8-bit C1 control
        {"caf\xe9 \xa0", "caf\xe9 \xa0"}, // Latin-1 letters, no controls
        {"cut\xc3", "cut\xc3"},           // a cut character keeps its byte
        {std::string("a\0b", 3), "a?b"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(printableText(r.in), r.expected) << r.in;
}
