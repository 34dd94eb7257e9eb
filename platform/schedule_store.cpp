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

UniqueHandle OpenForReading(const wchar_t* path) {
    return UniqueHandle(CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

bool IsNotFound(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

// Fills `list` from the file at `path`; a missing file whose temporary file
// survived an interrupted replace is read from the temporary and put back.
FileLoad ReadScheduleFile(ScheduleList& list, const wchar_t* path, DWORD* reason) {
    UniqueHandle file = OpenForReading(path);
    DWORD error = file ? ERROR_SUCCESS : GetLastError();
    WidePath temporary;
    bool fromTemporary = false;
    if (!file && IsNotFound(error) && CopyField(temporary, kPathSize, path, kPathSize) &&
        AppendText(temporary, kPathSize, L".tmp")) {
        file = OpenForReading(temporary);
        fromTemporary = static_cast<bool>(file);
    }
    if (!file) {
        if (IsNotFound(error)) return FileLoad::NotFound;
        if (reason != nullptr) *reason = error;
        return FileLoad::Unreadable;
    }
    HandleSource source(file.Get());
    if (!ReadScheduleRecords(list, source, ReadLocalClock())) {
        if (reason != nullptr) *reason = source.Error();
        return FileLoad::Unreadable;
    }
    if (fromTemporary) {
        file = UniqueHandle();
        MoveFileExW(temporary, path, MOVEFILE_WRITE_THROUGH);
    }
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
