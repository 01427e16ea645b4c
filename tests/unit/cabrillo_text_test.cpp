// The Cabrillo store's text helpers: ReplaceAll, the file base name and the
// one-line rule for values.
#include <gtest/gtest.h>

#include "cabrillo/cabrillo_log.h"

TEST(CabrilloReplaceAll, ReplacesEveryOccurrenceOnce) {
    const struct {
        const char* source;
        const char* search;
        const char* replacement;
        const char* result;
    } cases[] = {
        {"a<CR><LF>b", "<CR>", "\r\nSOAPBOX: ", "a\r\nSOAPBOX: <LF>b"},
        {"a<CR><LF>b", "<LF>", "", "a<CR>b"},
        {"<CR><CR>", "<CR>", "\r", "\r\r"},
        {"aaa", "a", "aa", "aaaaaa"},        // the insertion is not searched again
        {"aaaa", "aa", "a", "aa"},           // occurrences do not overlap
        {"DL1ABC/P", "/", "_", "DL1ABC_P"},
        {"x", "x", "x", "x"},                // equal texts: unchanged
        {"", "a", "b", ""},
        {"abc", "", "z", "abc"},             // an empty search text matches nowhere
        {"abc", "ABC", "z", "abc"},          // case-sensitive
        {"<cr>", "<CR>", "\r", "<cr>"},
    };
    for (const auto& c : cases) {
        const std::string source = c.source;
        EXPECT_EQ(ReplaceAll(source, c.search, c.replacement), c.result) << c.source;
        EXPECT_EQ(source, c.source);
    }
}

TEST(CabrilloReplaceAll, NoMatchInsideADoubleByteCharacter) {
    // Shift-JIS: 0x81-0x9F and 0xE0-0xFC lead a two-byte character whose
    // second byte may be "\" (0x5C), as in 0x83 0x5C.
    auto shiftJis = [](unsigned char c) { return (c >= 0x81 && c <= 0x9f) || (c >= 0xe0 && c <= 0xfc); };
    EXPECT_EQ(ReplaceAll("\x83\x5c\\a\x83\x5c", "\\", "_", +shiftJis), "\x83\x5c_a\x83\x5c");
    EXPECT_EQ(ReplaceAll("\x83<CR>", "<CR>", "\r", +shiftJis), "\x83<CR>");  // '<' is its second byte
    EXPECT_EQ(ReplaceAll("a\x83", "\x83", "b", +shiftJis), "ab");        // a lone lead byte at the end
    // Single-byte code pages: every byte is a character.
    EXPECT_EQ(ReplaceAll("\x83\x5c", "\\", "_"), "\x83_");
}

TEST(CabrilloFileBase, IsASafePlainFileNameInTheCurrentDirectory) {
    const struct {
        const char* call;
        const char* base;
    } cases[] = {
        {"DL1ABC", "DL1ABC"},
        {"DL1ABC/P", "DL1ABC_P"},
        {"OH/DL1ABC/MM", "OH_DL1ABC_MM"},
        {"..\\..\\windows\\x", ".._.._windows_x"},
        {"../../etc/x", ".._.._etc_x"},
        {"  DL1ABC \t\r\n", "DL1ABC"},
        {"", "VASK"},
        {" \t ", "VASK"},
        {"a<b>c:d\"e|f?g*h", "a_b_c_d_e_f_g_h"},
        {"C:\\temp", "C__temp"},
        {"DL1\x01" "ABC\x1f", "DL1_ABC_"},
        {"CON", "CON_"},
        {"con", "con_"},
        {"Nul", "Nul_"},
        {"PRN", "PRN_"},
        {"AUX", "AUX_"},
        {"COM1", "COM1_"},
        {"lpt9", "lpt9_"},
        {"COM0", "COM0"},
        {"COM10", "COM10"},
        {"CON.X", "CON_.X"},      // Windows ignores the extension for a device
        {"NUL .X", "NUL _.X"},
        {"CONSOLE", "CONSOLE"},
        {"CO/N", "CO_N"},
        {"UA9\xc0\xc1", "UA9\xc0\xc1"},  // ANSI letters stay
    };
    for (const auto& c : cases) EXPECT_EQ(CabrilloFileBase(c.call), c.base) << c.call;
}

TEST(CabrilloOneLineValue, ControlCharactersBecomeBlanks) {
    EXPECT_EQ(OneLineValue("a\r\nb\tc\x1b" "d\x7f"), "a  b c d ");
    EXPECT_EQ(OneLineValue("DL1ABC \xc0"), "DL1ABC \xc0");
    EXPECT_EQ(OneLineValue(""), "");
}
