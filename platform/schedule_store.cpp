#include "schedule_store.h"

#include <utility>

#include "data_paths.h"
#include "file_replace.h"
#include "fixed_text.h"
#include "local_clock.h"
#include "schedule_file.h"
#include "win_handles.h"

namespace corvane {
namespace {

// Reads an open file through its handle.
class HandleSource : public ByteSource {
public:
    explicit HandleSource(HANDLE file) : file_(file) {}

    std::size_t Size() override {
        LARGE_INTEGER size{};
        return GetFileSizeEx(file_, &size) && size.QuadPart > 0 ? static_cast<std::size_t>(size.QuadPart) : 0;
    }

    bool Read(void* buffer, std::size_t wanted, std::size_t& got) override {
        got = 0;
        auto* out = static_cast<unsigned char*>(buffer);
        while (got < wanted) {
            const std::size_t left = wanted - got;
            const DWORD chunk = left > 0x40000000u ? 0x40000000u : static_cast<DWORD>(left);
            DWORD read = 0;
            if (!ReadFile(file_, out + got, chunk, &read, nullptr)) {
                error_ = GetLastError();
                return false;
            }
            if (read == 0) break;
            got += read;
        }
        return true;
    }

    DWORD Error() const { return error_; }

private:
    HANDLE file_;
    DWORD error_ = ERROR_SUCCESS;
};

FileLoad ReadScheduleFile(ScheduleList& list, const wchar_t* path, DWORD* reason) {
    UniqueHandle file;
    WidePath temporary;
    const FileLoad opened = OpenStoredFile(path, file, &temporary, reason);
    if (opened != FileLoad::Read) return opened;
    HandleSource source(file.Get());
    if (!ReadScheduleRecords(list, source, ReadLocalClock())) {
        if (reason != nullptr) *reason = source.Error();
        return FileLoad::Unreadable;
    }
    file = UniqueHandle();
    RestoreFromTemporary(temporary, path);
    return FileLoad::Read;
}

}  // namespace

ScheduleListHolder& ScheduleListCreate(ScheduleListHolder& holder) {
    holder.reset();
    ScheduleListLoad(holder);
    return holder;
}

FileLoad ScheduleListLoad(ScheduleListHolder& holder, DWORD* reason) {
    holder = std::make_unique<ScheduleList>();
    WidePath path;
    holder->Load = GetDataFilePath(dfSchedules, &path) != 0 ? ReadScheduleFile(*holder, path, reason) : FileLoad::NoPath;
    return holder->Load;
}

FileLoad ScheduleListReload(const ScheduleListHolder& holder, DWORD* reason) {
    if (!holder) return FileLoad::NoPath;
    if (holder->Load != FileLoad::Unreadable) return holder->Load;
    WidePath path;
    if (GetDataFilePath(dfSchedules, &path) == 0) return holder->Load;
    ScheduleList fromFile;
    fromFile.Load = ReadScheduleFile(fromFile, path, reason);
    if (!MayReplace(fromFile.Load)) return holder->Load;
    MergeScheduleRecords(*holder, std::move(fromFile));
    return holder->Load;
}

int ScheduleListSave(const ScheduleListHolder& holder, DWORD* reason) {
    DWORD ignored = ERROR_SUCCESS;
    if (reason == nullptr) reason = &ignored;
    WidePath folder;
    WidePath path;
    if (GetDataFolder(&folder) == 0 || GetDataFilePath(dfSchedules, &path) == 0) {
        *reason = ERROR_FILENAME_EXCED_RANGE;
        return 0;
    }
    if (!holder || !MayReplace(holder->Load)) {
        *reason = ERROR_INVALID_DATA;
        return 0;
    }
    // A copy of the program without its data folder still keeps its schedules.
    if (!CreateDirectoryW(folder, nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
        *reason = GetLastError();
        return 0;
    }
    const auto bytes = ScheduleFileBytes(holder);
    return ReplaceFileContents(path, bytes.data(), bytes.size(), reason);
}

void ScheduleListFree(ScheduleListHolder& holder) { ScheduleListClear(holder); }

}  // namespace corvane
