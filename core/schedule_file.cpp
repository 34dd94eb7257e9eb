#include "schedule_file.h"

#include <algorithm>
#include <cerrno>
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

    bool Moved() const { return moved_; }

private:
    void MoveOn(ScheduleRecord& record) {
        moved_ = true;
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
    bool moved_ = false;
    char dates_[kMaxDays + 1][9] = {};
    bool known_[kMaxDays + 1] = {};
};

// Catches up the first `count` records of `block` and appends them to `list`.
void AppendBlock(ScheduleList& list, ScheduleRecord* block, std::size_t count, LoadCatchUp& catchUp) {
    for (std::size_t i = 0; i < count; ++i) catchUp.Apply(block[i]);
    ScheduleListAppendBlock(list, block, count);
}

// Reads a file through the C library.
class StdioSource : public ByteSource {
public:
    explicit StdioSource(std::FILE* file) : file_(file) {}

    std::size_t Size() override {
        if (std::fseek(file_, 0, SEEK_END) != 0) return 0;
        const long size = std::ftell(file_);
        if (std::fseek(file_, 0, SEEK_SET) != 0 || size <= 0) return 0;
        return static_cast<std::size_t>(size);
    }

    bool Read(void* buffer, std::size_t wanted, std::size_t& got) override {
        got = std::fread(buffer, 1, wanted, file_);
        return got == wanted || std::ferror(file_) == 0;
    }

private:
    std::FILE* file_;
};

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

bool ReadScheduleRecords(ScheduleList& list, ByteSource& source, const LocalTime& now) {
    const ClockTexts clock = MakeClockTexts(now);
    LoadCatchUp catchUp(clock);
    // One read straight into one block when the size is known: a read that
    // asks for a record more than the file holds ends at the end of the file.
    // A file that grew meanwhile is read on in further blocks.
    std::size_t capacity = std::min(source.Size() / kScheduleRecordSize, kMostRecordsAtOnce) + 1;
    for (;;) {
        ScheduleRecord* block = ScheduleListNewBlock(list, capacity);
        const std::size_t wanted = capacity * kScheduleRecordSize;
        std::size_t got = 0;
        const bool read = source.Read(static_cast<void*>(block), wanted, got);
        AppendBlock(list, block, std::min(got, wanted) / kScheduleRecordSize, catchUp);
        list.MovedOn = list.MovedOn || catchUp.Moved();
        if (!read) return false;
        if (got < wanted) return true;
        capacity = capacity < kRecordsPerRead ? kRecordsPerRead : std::min(capacity * 2, kMostRecordsAtOnce);
    }
}

FileLoad ScheduleListLoadFile(ScheduleListHolder& holder, const char* path, const LocalTime& now) {
    holder = std::make_unique<ScheduleList>();
    holder->Load = FileLoad::NoPath;
    if (path == nullptr) return holder->Load;
    const FileHandle file(std::fopen(path, "rb"));
    if (!file) {
        holder->Load = errno == ENOENT ? FileLoad::NotFound : FileLoad::Unreadable;
        return holder->Load;
    }
    StdioSource source(file.get());
    holder->Load = ReadScheduleRecords(*holder, source, now) ? FileLoad::Read : FileLoad::Unreadable;
    return holder->Load;
}

void MergeScheduleRecords(ScheduleList& list, ScheduleList&& fromFile) {
    const std::size_t before = list.Records.size();
    std::vector<bool> matched(before, false);
    for (ScheduleRecord* record : fromFile.Records) {
        std::size_t at = 0;
        while (at < before && (matched[at] || list.Records[at]->UserID != record->UserID)) ++at;
        if (at == before) {
            list.Records.push_back(record);
            continue;
        }
        // Copied over the run's record, which may have been handed out.
        matched[at] = true;
        if (!ScheduleListEdited(list, record->UserID)) *list.Records[at] = *record;
    }
    // The blocks move whole, so the records taken over stay where they are.
    for (auto& block : fromFile.Blocks) list.Blocks.push_back(std::move(block));
    for (auto& added : fromFile.Added) list.Added.push_back(std::move(added));
    fromFile.Records.clear();
    fromFile.Blocks.clear();
    fromFile.Added.clear();
    list.Load = fromFile.Load;
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
