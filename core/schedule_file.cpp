#include "schedule_file.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>

#include "schedule_catch_up.h"

namespace corvane {
namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// The least a further read asks for, and the most the first read asks for
// whatever size the file claims, in records (about 24 MB).
constexpr std::size_t kRecordsPerRead = 1024;
constexpr std::size_t kMostRecordsAtOnce = std::size_t{1} << 20;

// The first eight bytes of a date field, as one number that orders like them.
uint64_t DatePrefix(const char (&date)[9]) {
    uint64_t value;
    std::memcpy(&value, date, sizeof value);
    return __builtin_bswap64(value);
}

// The start-up catch-up of one load, made cheap per record: most records are
// placed by their date alone, and a caught-up date depends only on today and
// the number of days CatchUpDays gives, so each of those is worked out once.
class LoadCatchUp {
public:
    explicit LoadCatchUp(const ClockTexts& now) : now_(now) {
        today_ = DatePrefix(now.Date);
        // With no zero byte among today's eight, a record whose first eight
        // bytes differ from them compares as strncmp would compare it.
        byDatePrefix_ = std::memchr(now.Date, '\0', 8) == nullptr;
    }

    void Apply(ScheduleRecord& record) {
        if (byDatePrefix_) {
            const uint64_t date = DatePrefix(record.SyncDate);
            if (date != today_) {
                if (date < today_) MoveOn(record);
                return;
            }
        }
        if (IsPastDue(record, now_)) MoveOn(record);
    }

private:
    void MoveOn(ScheduleRecord& record) {
        const int32_t days = CatchUpDays(record, now_.Weekday);
        const bool cached = days >= 1 && days <= kMaxDays;
        if (cached && known_[days]) {
            std::memcpy(record.SyncDate, dates_[days], sizeof record.SyncDate);
            return;
        }
        CatchUp(record, now_);
        if (!cached) return;
        std::memcpy(dates_[days], record.SyncDate, sizeof record.SyncDate);
        known_[days] = true;
    }

    static constexpr int32_t kMaxDays = 7;
    const ClockTexts& now_;
    uint64_t today_ = 0;
    bool byDatePrefix_ = false;
    char dates_[kMaxDays + 1][9] = {};
    bool known_[kMaxDays + 1] = {};
};

// Catches up the first `count` records of `block` and appends them to `list`.
void AppendBlock(ScheduleList& list, ScheduleRecord* block, std::size_t count, LoadCatchUp& catchUp) {
    for (std::size_t i = 0; i < count; ++i) catchUp.Apply(block[i]);
    ScheduleListAppendBlock(list, block, count);
}

// The number of whole records the open file holds, at most kMostRecordsAtOnce;
// 0 when its size cannot be had.
std::size_t RecordsInFile(std::FILE* file) {
    if (std::fseek(file, 0, SEEK_END) != 0) return 0;
    const long size = std::ftell(file);
    if (std::fseek(file, 0, SEEK_SET) != 0 || size <= 0) return 0;
    return std::min(static_cast<std::size_t>(size) / kScheduleRecordSize, kMostRecordsAtOnce);
}

}  // namespace

std::size_t AppendScheduleRecords(ScheduleList& list, const unsigned char* data, std::size_t size,
                                  const ClockTexts& now) {
    const std::size_t count = size / kScheduleRecordSize;
    if (count == 0) return 0;
    ScheduleRecord* block = ScheduleListNewBlock(list, count);
    std::memcpy(static_cast<void*>(block), data, count * kScheduleRecordSize);
    LoadCatchUp catchUp(now);
    AppendBlock(list, block, count, catchUp);
    return count;
}

int ScheduleListLoadFile(ScheduleListHolder& holder, const char* path, const LocalTime& now) {
    holder = std::make_unique<ScheduleList>();
    if (path == nullptr) return 0;
    const FileHandle file(std::fopen(path, "rb"));
    if (!file) return 1;
    const ClockTexts clock = MakeClockTexts(now);
    LoadCatchUp catchUp(clock);
    // One read straight into one block when the size is known: a read that
    // asks for a record more than the file holds ends at the end of the file.
    // A file that grew meanwhile is read on in further blocks.
    std::size_t capacity = RecordsInFile(file.get()) + 1;
    for (;;) {
        ScheduleRecord* block = ScheduleListNewBlock(*holder, capacity);
        const std::size_t wanted = capacity * kScheduleRecordSize;
        const std::size_t got = std::fread(static_cast<void*>(block), 1, wanted, file.get());
        AppendBlock(*holder, block, got / kScheduleRecordSize, catchUp);
        if (got < wanted) break;
        capacity = capacity < kRecordsPerRead ? kRecordsPerRead : std::min(capacity * 2, kMostRecordsAtOnce);
    }
    return 1;
}

std::vector<unsigned char> ScheduleFileBytes(const ScheduleListHolder& holder) {
    std::vector<unsigned char> bytes;
    if (!holder) return bytes;
    bytes.resize(holder->Records.size() * kScheduleRecordSize);
    unsigned char* out = bytes.data();
    for (const ScheduleRecord* record : holder->Records) {
        std::memcpy(out, record, kScheduleRecordSize);
        out += kScheduleRecordSize;
    }
    return bytes;
}

}  // namespace corvane
