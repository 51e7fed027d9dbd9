// Writes the seed corpus of the task-file fuzzer: task files saved by the
// save command after working tasks on the sheet through the real handlers
// (task entry, keys in the cells, row checks, tracker passes).
//
//   taskfile_seed_generator <output folder>

#include "LongDivision.h"
#include "MemoryTaskFiles.h"

#include "check/RowCheck.h"
#include "input/CellInput.h"
#include "input/Worksheet.h"
#include "task/RandomSource.h"
#include "task/RandomTask.h"
#include "task/TaskEntry.h"
#include "taskfile/TaskRecords.h"
#include "tracker/ProgressTracker.h"

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

Text textOf(const std::string& s) {
    return Text(s.begin(), s.end());
}

class FixedRandom final : public RandomSource {
  public:
    explicit FixedRandom(unsigned seed) : engine_(seed) {}
    void reseedFromClock() override {}
    double next() override { return std::uniform_real_distribution<double>(0.0, 1.0)(engine_); }

  private:
    std::mt19937 engine_;
};

// A pupil at the keyboard: every input event is followed by a tracker pass,
// as the window runs one after each event and on every tick.
class Pupil {
  public:
    Worksheet sheet;
    Form1& form = sheet.form;

    void pass() { Timer1_Timer(form); }

    void keyDown(ControlId cell, int keyCode) {
        if (cell.kind == Kind::Resultat) {
            resultat_KeyDown(form, cell.index, keyCode, 0);
        } else if (isKontrolle(cell.kind)) {
            kontrolle_KeyDown(form, kontrolleNumber(cell.kind), cell.index, keyCode, 0);
        }
    }
    void press(int keyCode) {
        keyDown(form.focus(), keyCode);
        pass();
    }
    // Key-down in the focused cell, then the character lands in that cell.
    void type(char32_t ch) {
        const ControlId target = form.focus();
        keyDown(target, static_cast<int>(ch));
        form.setText(target, form.text(target) + ch);
        pass();
    }
    void backspace() {
        const ControlId target = form.focus();
        keyDown(target, 8);
        Text t = form.text(target);
        if (!t.empty()) {
            t.pop_back();
        }
        form.setText(target, t);
        pass();
    }
    void click(ControlId cell) {
        form.setFocus(cell);
        pass();
    }
    void enter(const std::string& dividend, const std::string& divisor) {
        form.setText(ctl::Text1, textOf(dividend));
        form.setText(ctl::Text2, textOf(divisor));
        Command1_Click(form);
        pass();
    }
    // Writes `value` into kontrolleN with its units digit in `column`.
    void writeNumber(int n, int column, long value) {
        const std::string digits = std::to_string(value);
        click(ctl::kontrolle(n, column + static_cast<int>(digits.size()) - 1));
        for (char d : digits) {
            type(static_cast<char32_t>(d));
        }
    }
    void check(int row) {
        info_Click(form, row);
        pass();
    }

    struct Options {
        std::size_t rowsToJudge = 10; // stop after this many rows judged right
        bool zeroFillByEnter = false; // digit 0: Enter in the empty row instead of writing 0
        int wrongRemainders = 0;      // wrong remainders checked before the right one
    };

    void work(const std::string& dividend, long divisor, const Options& opt) {
        std::size_t judged = 0;
        const std::vector<Step> steps = divide(dividend, divisor);
        for (std::size_t k = 0; k < steps.size() && judged < opt.rowsToJudge; ++k) {
            const Step& s = steps[k];
            const int product = 2 * static_cast<int>(k);
            click(ctl::resultat(static_cast<int>(k)));
            type(static_cast<char32_t>(U'0' + s.digit));
            press(vk::Return);
            if (s.digit == 0 && product > 0 && opt.zeroFillByEnter) {
                click(ctl::kontrolle(product + 1, s.column));
                press(vk::Return); // the solver writes the zeros and locks the row
                check(product);    // the tracker showed it as pending again
            } else {
                writeNumber(product + 1, s.column, s.product);
                check(product);
            }
            if (++judged == opt.rowsToJudge) {
                break;
            }
            for (int w = 0; w < opt.wrongRemainders; ++w) {
                writeNumber(product + 2, s.column, s.remainder + 1 + w);
                press(vk::Return);
                for (int c = 0; c < kRowCells; ++c) {
                    click(ctl::kontrolle(product + 2, c));
                    backspace();
                }
            }
            writeNumber(product + 2, s.column, s.remainder);
            check(product + 1);
            ++judged;
        }
    }
};

std::vector<std::uint8_t> save(Pupil& pupil) {
    test::MemoryTaskFiles io;
    io.chosenPath = "/seed/aufgabe";
    mSpeichern_Click(pupil.form, io.services());
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
                           const Pupil::Options& opt, void (*more)(Pupil&) = nullptr) {
        Pupil p;
        p.enter(dividend, std::to_string(divisor));
        p.work(dividend, divisor, opt);
        if (more) {
            more(p);
        }
        seeds.push_back({name, save(p)});
    };

    worked("9434_13_entered", "9434", 13, {.rowsToJudge = 0});
    worked("9434_13_first_step", "9434", 13, {.rowsToJudge = 3});
    worked("9434_13_done", "9434", 13, {});
    worked("9434_13_errors", "9434", 13, {.rowsToJudge = 4, .wrongRemainders = 3}, [](Pupil& p) {
        // A wrong third product, judged: "Fehler" with one error.
        p.click(ctl::resultat(2));
        p.type(U'9');
        p.press(vk::Return);
        p.type(U'8');
        p.type(U'1');
        p.press(vk::Return);
    });
    worked("1313_13_zero_fill", "1313", 13, {.zeroFillByEnter = true});
    worked("123456_12_done", "123456", 12, {});
    {
        // A random task of "nächste Aufgabe" at the widest limits, half done,
        // with a row that holds writing but was never judged.
        Pupil p;
        Label3_Click(p.form, 0);
        Label3_Click(p.form, 0);
        Label3_Click(p.form, 1);
        FixedRandom random(2024);
        do {
            Command2_Click(p.form, random);
        } while (std::stol(toUtf8(p.form.text(ctl::Text1))) <
                 100 * std::stol(toUtf8(p.form.text(ctl::Text2))));
        Command1_Click(p.form);
        p.pass();
        const std::string dividend = toUtf8(p.form.text(ctl::Text1));
        const long divisor = std::stol(toUtf8(p.form.text(ctl::Text2)));
        p.work(dividend, divisor, {.rowsToJudge = 2});
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
