// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The class overview over a folder of 1,000 task files: 25 pupils' folders of
// 40 files each, saved from sheets a pupil worked (task entered, half worked,
// finished), read and judged the way the overview window and --report read
// them. The folder lives in the system's temporary folder for the run.

#include "BenchSupport.h"

#include "overview/ClassOverview.h"
#include "taskfile/TaskRecords.h"

#include <filesystem>
#include <fstream>

#include <stdlib.h>

namespace zifferon::bench {

namespace {

namespace fs = std::filesystem;

constexpr int kFiles = 1000;
constexpr int kFilesPerPupil = 40;

class ClassFolder {
  public:
    ClassFolder() {
        std::string pattern = (fs::temp_directory_path() / "zifferon-bench-XXXXXX").string();
        if (mkdtemp(pattern.data())) {
            root_ = pattern;
        }
    }
    ~ClassFolder() {
        std::error_code ec;
        fs::remove_all(root_, ec);
    }
    const fs::path& root() const { return root_; }
    bool put(const fs::path& relative, const TaskFileBytes& bytes) const {
        fs::create_directories((root_ / relative).parent_path());
        std::ofstream file(root_ / relative, std::ios::binary);
        file.write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return static_cast<bool>(file);
    }

  private:
    fs::path root_;
};

void readClassFolder1000(benchmark::State& state) {
    Worksheet sheets[3];
    if (!prepare(state, sheets[0], makeFresh) || !prepare(state, sheets[1], makeHalfWorked) ||
        !prepare(state, sheets[2], makeFinished)) {
        return;
    }
    const TaskFileBytes files[3] = {writeTaskRecords(sheets[0].form),
                                    writeTaskRecords(sheets[1].form),
                                    writeTaskRecords(sheets[2].form)};
    const ClassFolder folder;
    for (int i = 0; i < kFiles; ++i) {
        const fs::path name = "schueler-" + std::to_string(i / kFilesPerPupil) + "/aufgabe-" +
                              std::to_string(i) + ".AUF";
        if (folder.root().empty() || !folder.put(name, files[i % 3])) {
            state.SkipWithError("the class folder cannot be written");
            return;
        }
    }
    std::array<int, 4> stands{};
    for (auto _ : state) {
        const ClassOverview overview = readClassFolder(folder.root().string());
        stands = {};
        for (const OverviewRow& row : overview.rows) {
            ++stands[static_cast<std::size_t>(row.stand)];
        }
        benchmark::DoNotOptimize(overview.rows.data());
    }
    // Every file read, and each sheet seen as what it is.
    if (stands != std::array<int, 4>{334, 333, 333, 0}) {
        state.SkipWithError("the overview does not see the files as they were saved");
    }
    state.counters["files"] = kFiles;
}

} // namespace

BENCHMARK(readClassFolder1000)
    ->Name("ClassOverview/read_1000_files")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace zifferon::bench
