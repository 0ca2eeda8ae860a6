// SPDX-License-Identifier: MIT
// The core alone at 1,000, 10,000 and 100,000 records: reading the data file, working out every
// record, selecting and wording the due rows, writing the file, and the whole quiet logon run.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "BenchData.h"
#include "app/QuietLogon.h"
#include "records/DataFile.h"
#include "reminder/DueRecords.h"
#include "tests/TestSupport.h"

namespace {

// One folder for the whole run, with a data file per size and kind, made on first use.
class Files {
public:
    Files() {
        std::string pattern = (std::filesystem::temp_directory_path() / "ovrana-bench-XXXXXX");
        folder_ = ::mkdtemp(pattern.data());
    }
    ~Files() { std::filesystem::remove_all(folder_); }

    std::string DataFile(std::size_t count, BenchKind kind) {
        const std::string path = folder_ + "/" + std::to_string(count) +
                                 (kind == BenchKind::Due ? "-due" : "-quiet") + ".ini";
        if (!std::filesystem::exists(path)) {
            std::ofstream(path, std::ios::binary)
                << FormatRecords(MakeBenchRecords(count, kind, MakeToday()));
        }
        return path;
    }
    std::string Path(const std::string& name) const { return folder_ + "/" + name; }

private:
    std::string folder_;
};

Files& TheFiles() {
    static Files files;
    return files;
}

std::size_t Count(const benchmark::State& state) {
    return static_cast<std::size_t>(state.range(0));
}

void BM_ReadFile(benchmark::State& state) {
    const std::string path = TheFiles().DataFile(Count(state), BenchKind::Due);
    for (auto _ : state) {
        RecordList records;
        benchmark::DoNotOptimize(LoadRecords(path, records));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_ComputeRecords(benchmark::State& state) {
    RecordList records = MakeBenchRecords(Count(state), BenchKind::Due, MakeToday());
    const DayNumber today = MakeToday();
    for (auto _ : state) {
        UpdateAllRecords(records, today);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_SelectAndWordDueRows(benchmark::State& state) {
    const RecordList records = MakeBenchRecords(Count(state), BenchKind::Due, MakeToday());
    const FakeText text;  // English names, ASCII capitals: the wording without Qt
    for (auto _ : state) {
        benchmark::DoNotOptimize(SelectDueRows(records, "%d/%m/%y", text));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// Every save has something to write: one record changes between saves.
void BM_WriteFile(benchmark::State& state) {
    RecordList records = MakeBenchRecords(Count(state), BenchKind::Due, MakeToday());
    const std::string path = TheFiles().Path("save-" + std::to_string(Count(state)) + ".ini");
    int round = 0;
    for (auto _ : state) {
        records.front()->icon = ++round % 17;
        benchmark::DoNotOptimize(SaveRecords(path, records));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// What `ovrana` does at a logon with nothing due, settings file included.
void BM_QuietLogon(benchmark::State& state) {
    const std::string data = TheFiles().DataFile(Count(state), BenchKind::Quiet);
    const std::string settings = TheFiles().Path("ovra.conf");
    std::ofstream(settings) << "[General]\naot=0\ndays=14\nicon=1\nlastrun=0\nonceaday=0\n";
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            RunQuietLogon({[] { return std::time(nullptr); }, settings, data}));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

}  // namespace

BENCHMARK(BM_ReadFile)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ComputeRecords)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SelectAndWordDueRows)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteFile)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QuietLogon)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
