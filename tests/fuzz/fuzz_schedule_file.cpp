// Any bytes as a schedule file: loading never crashes, keeps whole records
// only, writes back exactly what it kept, and every caught-up date is a valid
// eight-digit date.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "date_time_text.h"
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace corvane;
    const ClockTexts clock = MakeClockTexts(ClockFrom(data, size));
    ScheduleListHolder holder = std::make_unique<ScheduleList>();
    const std::size_t count = AppendScheduleRecords(*holder, data, size, clock);
    if (count != size / kScheduleRecordSize) std::abort();
    const auto bytes = ScheduleFileBytes(holder);
    if (bytes.size() != count * kScheduleRecordSize) std::abort();
    for (std::size_t i = 0; i < count; ++i) {
        const uint8_t* original = data + i * kScheduleRecordSize;
        const uint8_t* kept = bytes.data() + i * kScheduleRecordSize;
        const auto* record = reinterpret_cast<const ScheduleRecord*>(kept);
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
