// The schedule work whose cost grows with data: loading and catching up the
// schedule file, and the date arithmetic behind every move of a schedule.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "date_time_text.h"
#include "schedule_file.h"

namespace corvane {
namespace {

constexpr LocalTime kNow = {2026, 6, 3, 8, 0, 3};

// Half the records past due, of every kind, so the catch-up does real work.
std::vector<unsigned char> ScheduleFileImage(std::size_t count) {
    std::vector<unsigned char> bytes(count * sizeof(ScheduleRecord));
    for (std::size_t i = 0; i < count; ++i) {
        ScheduleRecord record{};
        record.UserID = static_cast<uint32_t>(i);
        record.Kind = static_cast<int16_t>(1 + i % 4);
        record.Param = static_cast<int16_t>(i % 7);
        std::memcpy(record.SyncTime, "0800", 5);
        std::memcpy(record.SyncDate, i % 2 == 0 ? "20260101" : "20270101", 9);
        std::memcpy(bytes.data() + i * sizeof record, &record, sizeof record);
    }
    return bytes;
}

constexpr char kBenchFile[] = "/tmp/corvane_bench_cvsche.dat";

bool WriteBenchFile(std::size_t count) {
    const auto image = ScheduleFileImage(count);
    std::FILE* file = std::fopen(kBenchFile, "wb");
    if (file == nullptr) return false;
    const bool written = std::fwrite(image.data(), 1, image.size(), file) == image.size();
    return std::fclose(file) == 0 && written;
}

void BM_LoadScheduleFile(benchmark::State& state) {
    if (!WriteBenchFile(static_cast<std::size_t>(state.range(0)))) {
        state.SkipWithError("cannot write the schedule file");
        return;
    }
    for (auto _ : state) {
        ScheduleListHolder holder;
        ScheduleListLoadFile(holder, kBenchFile, kNow);
        benchmark::DoNotOptimize(holder->Records.data());
    }
    std::remove(kBenchFile);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_LoadScheduleFile)->Arg(100000)->Unit(benchmark::kMillisecond);

// The baseline of the load: only reading the same file's bytes.
void BM_ReadScheduleFileBytes(benchmark::State& state) {
    if (!WriteBenchFile(static_cast<std::size_t>(state.range(0)))) {
        state.SkipWithError("cannot write the schedule file");
        return;
    }
    std::vector<unsigned char> bytes(static_cast<std::size_t>(state.range(0)) * sizeof(ScheduleRecord));
    for (auto _ : state) {
        std::FILE* file = std::fopen(kBenchFile, "rb");
        if (file == nullptr) break;
        benchmark::DoNotOptimize(std::fread(bytes.data(), 1, bytes.size(), file));
        std::fclose(file);
        benchmark::ClobberMemory();
    }
    std::remove(kBenchFile);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ReadScheduleFileBytes)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_ShiftDays(benchmark::State& state) {
    DateTimeText text{"20031231", "2330"};
    int32_t step = 1;
    for (auto _ : state) {
        ShiftDateTime(ShiftMode::Days, step, &text);
        step = -step * 7 % 400 + 1;
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_ShiftDays);

void BM_ShiftMinutes(benchmark::State& state) {
    DateTimeText text{"20031231", "2330"};
    for (auto _ : state) {
        ShiftDateTime(ShiftMode::Minutes, 45, &text);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_ShiftMinutes);

}  // namespace
}  // namespace corvane
