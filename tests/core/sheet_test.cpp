// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SheetText.h"

#include "sheet/Catalogue.h"
#include "sheet/Layout.h"

#include <algorithm>
#include <cctype>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

namespace zifferon {
namespace {

TEST(Sheet, StartStateIsAnEmptyGridWithTheDefaultTask) {
    Form1 form;
    EXPECT_EQ(form.text(ctl::Text1), U"9434");
    EXPECT_EQ(form.text(ctl::Text2), U"13");
    EXPECT_EQ(form.caption(ctl::label3(0)), U"4");
    EXPECT_EQ(form.caption(ctl::label3(1)), U"2");
    EXPECT_EQ(form.background(ctl::label3(0)), colors::LightCyan);
    EXPECT_EQ(form.background(ctl::label3(1)), colors::Yellow);
    EXPECT_FALSE(form.visible(ctl::Label4));
    EXPECT_EQ(form.caption(ctl::Label4), U"Berechnung beendet");
    EXPECT_FALSE(form.timer1Enabled());
    for (int i = 0; i < kWorkRows; ++i) {
        EXPECT_FALSE(form.visible(ctl::info(i))) << i;
    }
    for (int i = 0; i < kFehlerLabels; ++i) {
        EXPECT_FALSE(form.visible(ctl::fehler(i))) << i;
    }
    for (ControlId id : allControls()) {
        if (isCell(id.kind)) {
            EXPECT_TRUE(form.text(id).empty());
            const bool topLineTask = id.kind == Kind::Dividend || id.kind == Kind::Divisor;
            EXPECT_EQ(form.enabled(id), !topLineTask);
        }
    }
}

TEST(Sheet, TaskCellsNeverTakeTheFocus) {
    Form1 form;
    for (int c = 0; c < kDividendCells; ++c) {
        EXPECT_FALSE(form.setFocus(ctl::dividend(c)));
    }
    for (int c = 0; c < kDivisorCells; ++c) {
        EXPECT_FALSE(form.setFocus(ctl::divisor(c)));
    }
    EXPECT_EQ(form.focus(), ctl::Command2);
    EXPECT_FALSE(form.setFocus(ctl::info(0)));
    EXPECT_TRUE(form.setFocus(ctl::workRow(2, 2)));
    EXPECT_EQ(form.focus(), ctl::workRow(2, 2));
}

TEST(Sheet, DisablingTheFocusedCellLeavesTheFocusThere) {
    Form1 form;
    ASSERT_TRUE(form.setFocus(ctl::resultat(4)));
    form.setEnabled(ctl::resultat(4), false);
    EXPECT_EQ(form.focus(), ctl::resultat(4));
    EXPECT_FALSE(form.canTakeFocus(ctl::resultat(4)));
    EXPECT_TRUE(form.setFocus(ctl::resultat(3)));
    EXPECT_FALSE(form.setFocus(ctl::resultat(4)));
}

TEST(Layout, EveryWorkColumnLiesUnderItsDividendCell) {
    for (int n = 1; n <= kWorkRows; ++n) {
        for (int c = 0; c < kRowCells; ++c) {
            const Geometry cell = geometry(ctl::workRow(n - 1, c));
            const Geometry top = geometry(ctl::dividend(c));
            EXPECT_EQ(cell.left, top.left);
            EXPECT_EQ(cell.width, top.width);
            EXPECT_GT(cell.top, top.top);
        }
    }
    EXPECT_LT(geometry(ctl::resultat(0)).left, geometry(ctl::resultat(1)).left);
    EXPECT_EQ(geometry(ctl::dividend(5)).left, 2280);
    EXPECT_EQ(geometry(ctl::divisor(2)).left, 4200);
    EXPECT_EQ(geometry(ctl::resultat(4)).left, 6360);
    EXPECT_EQ(geometry(ctl::fehler(10)).width, 2415);
}

TEST(Layout, TabOrderIsUniqueAndStartsWithTheButtons) {
    const auto& order = tabOrder();
    std::set<int> seen;
    for (ControlId id : order) {
        EXPECT_TRUE(seen.insert(tabIndex(id)).second) << tabIndex(id);
    }
    // 4 task controls + 6 + 3 + 5 top-line cells + 60 work cells, then the
    // Überschlag's 2 boxes and the Probe's 3 after them all.
    EXPECT_EQ(order.size(), 83u);
    const std::vector<std::pair<ControlId, int>> expected{
        {ctl::Command2, 0},       {ctl::workRow(9, 5), 1},  {ctl::Text1, 2},
        {ctl::Text2, 3},          {ctl::Command1, 5},       {ctl::workRow(9, 1), 10},
        {ctl::dividend(0), 11},   {ctl::divisor(2), 19},    {ctl::resultat(4), 24},
        {ctl::workRow(0, 0), 25}, {ctl::workRow(1, 0), 26}, {ctl::workRow(0, 5), 31},
        {ctl::workRow(1, 5), 36}, {ctl::workRow(6, 5), 66}, {ctl::workRow(9, 0), 67},
        {ctl::workRow(8, 5), 68}, {ctl::workRow(7, 0), 69}, {ctl::workRow(8, 4), 79},
    };
    for (auto [id, index] : expected) {
        EXPECT_EQ(tabIndex(id), index);
    }
}

TEST(Sheet, FormLoadRecordsTheExecutablesFolder) {
    Form1 form;
    Form_Load(form, "/opt/zifferon/bin/zifferon");
    EXPECT_EQ(form.appPath(), "/opt/zifferon/bin");
}

TEST(Text, LeadingNumberAndDigitStrings) {
    struct Case {
        std::u32string text;
        double leading;
        long long whole;
        bool digits;
    };
    const std::vector<Case> cases{
        {U"13", 13, 13, true},   {U"  7 ", 7, 7, true},   {U"", 0, 0, false},
        {U" ", 0, 0, false},     {U"x", 0, 0, false},     {U"-1", -1, -1, false},
        {U"3.5", 3.5, 3, false}, {U"1e5", 1e5, 1, false}, {U"12ab", 12, 12, false},
        {U"+4", 4, 4, false},    {U"1 2", 1, 1, false},   {U"ä", 0, 0, false},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(test::leadingNumber(c.text), c.leading) << toUtf8(c.text);
        EXPECT_EQ(leadingWhole(c.text), c.whole) << toUtf8(c.text);
        long long v = -1;
        EXPECT_EQ(parseDigitString(c.text, v), c.digits) << toUtf8(c.text);
    }
    // Hundreds of digits: a value no row of the grid holds, without overflow.
    long long big = 0;
    ASSERT_TRUE(parseDigitString(std::u32string(400, U'9'), big));
    EXPECT_GT(big, 999'999'999'999);
    EXPECT_EQ(leadingWhole(std::u32string(400, U'9')), 1'000'000'000'000);
}

// The window at a zoom step against a screen's available area, with 24
// pixels of menu bar and a frame of 2 x 30 pixels.
TEST(Layout, ZoomStepsThatFitAScreen) {
    struct Case {
        int width, height;
        double largest;
    };
    const Case cases[] = {
        {1280, 1024, 2.0}, {1920, 1080, 2.0}, {1366, 768, 1.5},
        {2560, 1440, 3.0}, {800, 600, 1.25},  {300, 200, 0.0}, // none fits: the smallest
    };
    for (const Case& c : cases) {
        EXPECT_EQ(largestFittingZoom(c.width, c.height, 2, 24 + 30), std::max(c.largest, 0.5))
            << c.width << "x" << c.height;
        for (double step : kZoomSteps) {
            EXPECT_EQ(zoomFits(step, c.width, c.height, 2, 54), step <= c.largest)
                << c.width << "x" << c.height << " at " << step;
        }
    }
}

std::string fileText(const std::filesystem::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// A source text as the .ts file writes it.
std::string xmlEscaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        out += c == '&' ? "&amp;" : c == '<' ? "&lt;" : c == '>' ? "&gt;" : std::string(1, c);
    }
    return out;
}

TEST(Catalogue, EveryMessageHasGermanAndEnglish) {
    const std::string ts = fileText(ZIFFERON_SOURCE_DIR "/translations/zifferon_en.ts");
    ASSERT_FALSE(ts.empty());
    EXPECT_EQ(ts.find("type=\"unfinished\""), std::string::npos);
    EXPECT_EQ(ts.find("<translation></translation>"), std::string::npos);
    for (int i = 0; i < static_cast<int>(Msg::Count); ++i) {
        const MessageSource m = messageSource(static_cast<Msg>(i));
        ASSERT_NE(std::string_view(m.source), "") << "message " << i;
        const std::size_t at = ts.find("<source>" + xmlEscaped(m.source) + "</source>");
        ASSERT_NE(at, std::string::npos) << "no English for: " << m.source;
        const std::size_t open = ts.find("<translation", at);
        const std::size_t text = ts.find('>', open) + 1;
        EXPECT_EQ(ts.compare(open, 13, "<translation>"), 0) << m.source;
        EXPECT_NE(ts.compare(text, 14, "</translation>"), 0) << m.source;
    }
}

// Literals outside comments, with their line.
std::vector<std::pair<int, std::string>> stringLiterals(const std::string& code) {
    std::vector<std::pair<int, std::string>> out;
    int line = 1;
    // Where a comment or character literal does not end, the scan ends.
    const auto after = [&code](std::size_t at, std::size_t back) {
        return at == std::string::npos ? code.size() : at - back;
    };
    for (std::size_t i = 0; i < code.size(); ++i) {
        if (code[i] == '\n') {
            ++line;
        } else if (code.compare(i, 2, "//") == 0) {
            i = after(code.find('\n', i), 1);
        } else if (code.compare(i, 2, "/*") == 0) {
            const std::size_t end = code.find("*/", i + 2);
            line += static_cast<int>(
                std::count(code.begin() + static_cast<std::ptrdiff_t>(i),
                           code.begin() + static_cast<std::ptrdiff_t>(after(end, 0)), '\n'));
            i = after(end, 0) + 1;
        } else if (code[i] == '\'' && i > 0 &&
                   std::isdigit(static_cast<unsigned char>(code[i - 1])) && i + 1 < code.size() &&
                   std::isxdigit(static_cast<unsigned char>(code[i + 1]))) {
            continue; // a digit separator, as in 1'000
        } else if (code[i] == '\'' && i + 1 < code.size()) {
            i = after(code.find('\'', i + 1 + (code[i + 1] == '\\' ? 1 : 0)), 0);
        } else if (code[i] == '"') {
            std::string literal;
            for (++i; i < code.size() && code[i] != '"'; ++i) {
                literal += code[i];
                if (code[i] == '\\') {
                    literal += code[++i];
                }
            }
            out.emplace_back(line, literal);
        }
    }
    return out;
}

// The rules make no German sentence of their own: each comes from the
// message table. What stays German by design is named here with its file.
TEST(Catalogue, NoGermanOutsideTheTable) {
    // German letters and quotes, written or escaped, and a German word in a
    // literal with a space (a sentence rather than a name).
    const std::vector<std::string> marks = {"ä",       "ö",       "ü",       "Ä",       "Ö",
                                            "Ü",       "ß",       "„",       "“",       "\\u00c4",
                                            "\\u00d6", "\\u00dc", "\\u00e4", "\\u00f6", "\\u00fc",
                                            "\\u00df", "\\u201c", "\\u201e"};
    const std::set<std::string> words = {"der",   "die",   "das",   "den",    "ist",    "nicht",
                                         "kein",  "keine", "und",   "oder",   "wird",   "kann",
                                         "bitte", "zeile", "datei", "ordner", "aufgabe"};
    const auto isGerman = [&](const std::string& literal) {
        std::string lower = literal;
        for (char& c : lower) {
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        for (const std::string& mark : marks) {
            if (lower.find(mark) != std::string::npos) {
                return true;
            }
        }
        if (literal.find(' ') == std::string::npos) {
            return false;
        }
        std::string word;
        for (char c : lower + " ") {
            if (std::isalpha(static_cast<unsigned char>(c))) {
                word += c;
            } else if (!word.empty()) {
                if (words.contains(word)) {
                    return true;
                }
                word.clear();
            }
        }
        return false;
    };
    const std::set<std::string> germanByDesign = {
        "sheet/Form1.h",              // the captions files store, shown through the table
        "sheet/MessageTable.cpp",     // the table itself
        "overview/ClassOverview.cpp", // the overview's columns, shared as CSV and --report
        "handout/HandoutFiles.cpp",   // task file names ("Aufgabe 01 - 9434 durch 13.AUF")
    };
    const std::filesystem::path src = ZIFFERON_SOURCE_DIR "/src";
    int files = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(src)) {
        const std::string name = entry.path().lexically_relative(src).generic_string();
        if (!entry.is_regular_file() || name.starts_with("platform/") || name.starts_with("app/") ||
            germanByDesign.contains(name)) {
            continue;
        }
        ++files;
        for (const auto& [line, literal] : stringLiterals(fileText(entry.path()))) {
            EXPECT_FALSE(isGerman(literal)) << name << ":" << line << ": " << literal;
        }
    }
    EXPECT_GT(files, 50);
}

} // namespace
} // namespace zifferon
