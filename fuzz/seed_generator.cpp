// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the seed corpus of the task-file fuzzer: task files saved by the
// save command after a pupil worked tasks through the window's entry points
// (task entry, keys in the cells, row checks, the passes that follow them).
//
//   taskfile_seed_generator <output folder>

#include "LongDivision.h"
#include "Pupil.h"
#include "SheetText.h"

#include "input/KeyCodes.h"
#include "taskfile/TaskRecords.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace zifferon;
using test::divide;
using test::Step;

struct Options {
    std::size_t rowsToJudge = 10; // stop after this many rows judged right
    bool zeroFillByEnter = false; // digit 0: Enter in the empty row instead of writing 0
    int wrongRemainders = 0;      // wrong remainders checked before the right one
};

// A pupil working the task in the top line right, step by step, through the
// window's entry points.
void work(test::Pupil& p, const std::string& dividend, long divisor, const Options& opt) {
    std::size_t judged = 0;
    const std::vector<Step> steps = divide(dividend, divisor);
    for (std::size_t k = 0; k < steps.size() && judged < opt.rowsToJudge; ++k) {
        const Step& s = steps[k];
        const int product = 2 * static_cast<int>(k);
        p.click(ctl::resultat(static_cast<int>(k)));
        p.type(static_cast<char32_t>(U'0' + s.digit));
        p.press(vk::Return);
        if (s.digit == 0 && product > 0 && opt.zeroFillByEnter) {
            p.click(ctl::workRow(product, s.column));
            p.press(vk::Return); // the solver writes the zeros and locks the row
        } else {
            p.writeNumber(product, s.column, s.product);
            p.click(ctl::info(product));
        }
        if (++judged == opt.rowsToJudge) {
            break;
        }
        for (int w = 0; w < opt.wrongRemainders; ++w) {
            p.writeNumber(product + 1, s.column, s.remainder + 1 + w);
            p.press(vk::Return);
            for (int c = 0; c < kRowCells; ++c) {
                p.click(ctl::workRow(product + 1, c));
                p.backspace();
            }
        }
        p.writeNumber(product + 1, s.column, s.remainder);
        p.click(ctl::info(product + 1));
        ++judged;
    }
}

std::vector<std::uint8_t> save(test::Pupil& pupil) {
    test::MemoryTaskFiles io;
    pupil.save(io, "/seed/aufgabe");
    return io.files.at("/seed/aufgabe.AUF");
}

bool writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);

    struct Seed {
        const char* name;
        std::vector<std::uint8_t> bytes;
    };
    std::vector<Seed> seeds;
    auto worked = [&seeds](const char* name, const std::string& dividend, long divisor,
                           const Options& opt, void (*more)(test::Pupil&) = nullptr) {
        Worksheet sheet;
        test::Pupil p(sheet);
        p.enterTask(Text(dividend.begin(), dividend.end()), test::digitsOf(divisor));
        work(p, dividend, divisor, opt);
        if (more) {
            more(p);
        }
        seeds.push_back({name, save(p)});
    };

    worked("9434_13_entered", "9434", 13, {.rowsToJudge = 0});
    worked("9434_13_first_step", "9434", 13, {.rowsToJudge = 3});
    worked("9434_13_done", "9434", 13, {});
    worked("9434_13_errors", "9434", 13, {.rowsToJudge = 4, .wrongRemainders = 3},
           [](test::Pupil& p) {
               // A wrong third product, judged: "Fehler" with one error.
               p.click(ctl::resultat(2));
               p.type(U'9');
               p.press(vk::Return);
               p.type(U"81");
               p.press(vk::Return);
           });
    worked("1313_13_zero_fill", "1313", 13, {.zeroFillByEnter = true});
    worked("123456_12_done", "123456", 12, {});
    {
        // A random task of "nächste Aufgabe" at the widest limits, half done,
        // with a row that holds writing but was never judged.
        test::SeededRandom random(2024);
        Worksheet sheet(&random);
        test::Pupil p(sheet);
        p.click(ctl::label3(0));
        p.click(ctl::label3(0));
        p.click(ctl::label3(1));
        do {
            p.click(ctl::Command2);
        } while (std::stol(toUtf8(p.form().text(ctl::Text1))) <
                 100 * std::stol(toUtf8(p.form().text(ctl::Text2))));
        p.click(ctl::Command1);
        const std::string dividend = toUtf8(p.form().text(ctl::Text1));
        const long divisor = std::stol(toUtf8(p.form().text(ctl::Text2)));
        work(p, dividend, divisor, {.rowsToJudge = 2});
        p.click(ctl::resultat(1));
        p.type(U'9');
        p.press(vk::Return);
        p.type(U'1');
        seeds.push_back({"random_half_done", save(p)});
    }
    // A file cut inside record 23: the load refuses it.
    seeds.push_back({"cut_short", seeds[2].bytes});
    seeds.back().bytes.resize(kTaskFileSize - 100);

    for (const Seed& s : seeds) {
        const std::filesystem::path path = folder / (std::string(s.name) + ".AUF");
        if (!writeFile(path, s.bytes)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
        std::printf("%s (%zu bytes)\n", path.c_str(), s.bytes.size());
    }
    return 0;
}
