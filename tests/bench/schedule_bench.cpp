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

void BM_LoadScheduleFile(benchmark::State& state) {
    const auto count = static_cast<std::size_t>(state.range(0));
    const auto image = ScheduleFileImage(count);
    const std::string path = "/tmp/corvane_bench_cvsche.dat";
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        state.SkipWithError("cannot write the schedule file");
        return;
    }
    std::fwrite(image.data(), 1, image.size(), file);
    std::fclose(file);
    for (auto _ : state) {
        ScheduleListHolder holder;
        ScheduleListLoadFile(holder, path.c_str(), kNow);
        benchmark::DoNotOptimize(holder->Records.data());
    }
    std::remove(path.c_str());
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_LoadScheduleFile)->Arg(100000)->Unit(benchmark::kMillisecond);

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
