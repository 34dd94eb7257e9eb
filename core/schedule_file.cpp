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

// Records read per chunk; a chunk comes back short only at the end of the file.
constexpr std::size_t kRecordsPerChunk = 1024;

}  // namespace

std::size_t AppendScheduleRecords(ScheduleList& list, const unsigned char* data, std::size_t size,
                                  const ClockTexts& now) {
    const std::size_t count = size / kScheduleRecordSize;
    // Grown geometrically: a chunk at a time would move the whole array for every chunk.
    const std::size_t needed = list.Records.size() + count;
    if (list.Records.capacity() < needed) list.Records.reserve(std::max(needed, list.Records.capacity() * 2));
    for (std::size_t i = 0; i < count; ++i) {
        auto record = std::make_unique<ScheduleRecord>();
        std::memcpy(record.get(), data + i * kScheduleRecordSize, kScheduleRecordSize);
        if (IsPastDue(*record, now)) CatchUp(*record, now);
        list.Records.push_back(std::move(record));
    }
    return count;
}

int ScheduleListLoadFile(ScheduleListHolder& holder, const char* path, const LocalTime& now) {
    holder = std::make_unique<ScheduleList>();
    if (path == nullptr) return 0;
    const FileHandle file(std::fopen(path, "rb"));
    if (!file) return 1;
    const ClockTexts clock = MakeClockTexts(now);
    std::vector<unsigned char> chunk(kRecordsPerChunk * kScheduleRecordSize);
    for (;;) {
        const std::size_t got = std::fread(chunk.data(), 1, chunk.size(), file.get());
        AppendScheduleRecords(*holder, chunk.data(), got, clock);
        if (got < chunk.size()) break;
    }
    return 1;
}

std::vector<unsigned char> ScheduleFileBytes(const ScheduleListHolder& holder) {
    std::vector<unsigned char> bytes;
    if (!holder) return bytes;
    bytes.resize(holder->Records.size() * kScheduleRecordSize);
    unsigned char* out = bytes.data();
    for (const auto& record : holder->Records) {
        std::memcpy(out, record.get(), kScheduleRecordSize);
        out += kScheduleRecordSize;
    }
    return bytes;
}

}  // namespace corvane
