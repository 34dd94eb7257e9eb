// Any bytes as a schedule file: loading never crashes, keeps whole records
// only (the same from the file as from its bytes in memory), moves each record exactly as IsPastDue and CatchUp move it alone,
// writes back exactly what it kept, and every caught-up date is a valid
// eight-digit date. The schedule window shows every stored time and date as
// a valid one, and a reminder's delay of any number of minutes leaves a valid
// time and a date that is valid whenever it changed.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <unistd.h>

#include "date_time_text.h"
#include "schedule_display.h"
#include "schedule_file.h"

namespace {

corvane::LocalTime ClockFrom(const uint8_t* data, std::size_t size) {
    // The first bytes, when there are some, choose the clock as well.
    uint32_t seed = 0;
    std::memcpy(&seed, data, size < sizeof seed ? size : sizeof seed);
    const int32_t day = static_cast<int32_t>(seed % 28) + 1;
    return {static_cast<int32_t>(1990 + seed % 200), static_cast<int32_t>((seed >> 8) % 12) + 1, day,
            static_cast<int32_t>((seed >> 12) % 24), static_cast<int32_t>((seed >> 17) % 60),
            static_cast<int32_t>((seed >> 23) % 7)};
}

bool IsDigits(const char* text, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
    }
    return true;
}

bool IsValidTime(const char (&time)[5]) {
    return IsDigits(time, 4) && time[4] == '\0' && std::memcmp(time, "2359", 4) <= 0 && time[2] <= '5';
}

void CheckShown(const corvane::ScheduleRecord& record, const corvane::LocalTime& now) {
    using namespace corvane;
    const ShownTime time = ShownTimeOf(record.SyncTime);
    if (time.Hour < 0 || time.Hour > 23 || time.Minute < 0 || time.Minute > 59) std::abort();
    const CalendarDate date = ShownDateOf(record.SyncDate, {now.Year, now.Month, now.Day});
    if (date.Year < kFirstYear || date.Year > kLastYear || date.Month < 1 || date.Month > 12 || date.Day < 1 ||
        date.Day > DaysInMonth(date.Year, date.Month)) {
        std::abort();
    }
}

void CheckDelay(const corvane::ScheduleRecord& record) {
    using namespace corvane;
    DateTimeText text{};
    std::memcpy(text.Date, record.SyncDate, sizeof text.Date);
    std::memcpy(text.Time, record.SyncTime, sizeof text.Time);
    const DateTimeText before = text;
    ShiftDateTime(ShiftMode::Minutes, static_cast<int32_t>(record.UserID), &text);
    if (!IsValidTime(text.Time)) std::abort();
    if (std::memcmp(text.Date, before.Date, sizeof text.Date) != 0 && (!IsDigits(text.Date, 8) || text.Date[8] != '\0')) {
        std::abort();
    }
}

// Where the input is written as a file: memory-backed where the system has it.
const std::string& InputFilePath() {
    static const std::string path = [] {
        const char* folder = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        return std::string(folder) + "/corvane_fuzz_cvsche_" + std::to_string(getpid()) + ".dat";
    }();
    static const bool removedAtExit = std::atexit([] { std::remove(InputFilePath().c_str()); }) == 0;
    (void)removedAtExit;
    return path;
}

// The input as a file of its own, loaded as the program loads its schedule file.
std::vector<unsigned char> LoadedFromFile(const uint8_t* data, std::size_t size, const corvane::LocalTime& now) {
    using namespace corvane;
    const std::string& path = InputFilePath();
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr || (size > 0 && std::fwrite(data, 1, size, file) != size) || std::fclose(file) != 0) std::abort();
    ScheduleListHolder holder;
    if (ScheduleListLoadFile(holder, path.c_str(), now) != FileLoad::Read) std::abort();
    return ScheduleFileBytes(holder);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace corvane;
    const LocalTime now = ClockFrom(data, size);
    const ClockTexts clock = MakeClockTexts(now);
    ScheduleListHolder holder = std::make_unique<ScheduleList>();
    const std::size_t count = AppendScheduleRecords(*holder, data, size, clock);
    if (count != size / kScheduleRecordSize) std::abort();
    const auto bytes = ScheduleFileBytes(holder);
    if (bytes.size() != count * kScheduleRecordSize) std::abort();
    if (LoadedFromFile(data, size, now) != bytes) std::abort();
    for (std::size_t i = 0; i < count; ++i) {
        const uint8_t* original = data + i * kScheduleRecordSize;
        const uint8_t* kept = bytes.data() + i * kScheduleRecordSize;
        const auto* record = reinterpret_cast<const ScheduleRecord*>(kept);
        ScheduleRecord alone;
        std::memcpy(&alone, original, sizeof alone);
        if (IsPastDue(alone, clock)) CatchUp(alone, clock);
        if (std::memcmp(&alone, kept, sizeof alone) != 0) std::abort();
        CheckShown(*record, now);
        CheckDelay(*record);
        const bool dateChanged = std::memcmp(original + 13, kept + 13, 9) != 0;
        // Only the date may change, and only into a valid date after today.
        if (std::memcmp(original, kept, 13) != 0 || std::memcmp(original + 22, kept + 22, 2) != 0) std::abort();
        if (dateChanged && (!IsDigits(record->SyncDate, 8) || record->SyncDate[8] != '\0' ||
                            std::strcmp(record->SyncDate, clock.Date) <= 0)) {
            std::abort();
        }
    }
    return 0;
}
