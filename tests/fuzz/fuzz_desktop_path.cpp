// Any registry value as the Palm Desktop directory: whatever bytes, and
// whatever length up to the buffer's size, the registry reports into a buffer
// of any size. The buffer then holds a text that ends within it, the value's
// own start, or is refused and empty; and each library's path formed from it
// is the directory, a backslash and the file name within a path buffer, or
// nothing at all.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "path_text.h"
#include "registry_text.h"

namespace corvane {
namespace {

using fuzz::Check;

constexpr const char* kLibraryFiles[] = {"condmgr.dll", "UserData.dll", "HSAPI.DLL"};

void CheckLibraryPaths(const char* directory) {
    for (const char* file : kLibraryFiles) {
        PathBuffer path;
        std::memset(path, 0x5A, sizeof path);
        const std::size_t directoryLength = std::strlen(directory);
        const std::size_t wanted = directoryLength + 1 + std::strlen(file);
        if (!JoinPath(&path, directory, file)) {
            Check(wanted >= kPathSize && path[0] == '\0', "only a path too long is refused, leaving nothing");
            continue;
        }
        Check(wanted < kPathSize && std::strlen(path) == wanted, "a library path is the whole of both parts");
        Check(std::memcmp(path, directory, directoryLength) == 0 && path[directoryLength] == '\\' &&
                  std::strcmp(path + directoryLength + 1, file) == 0,
              "a library path is the directory, a backslash and the file name");
        // Only a full path binds; whether this one is decides nothing else here.
        (void)IsFullPath(path);
    }
}

}  // namespace
}  // namespace corvane

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace corvane;
    FuzzedDataProvider input(data, size);
    // Every caller passes a path buffer; other sizes try the rule at its edges.
    const uint32_t bufferSize = input.ConsumeBool() ? static_cast<uint32_t>(kPathSize)
                                                    : input.ConsumeIntegralInRange<uint32_t>(1, 300);
    // The registry fails a read longer than the buffer, so a length that
    // comes back is at most the buffer's size; it wrote that many bytes.
    const std::vector<char> value = input.ConsumeBytes<char>(input.ConsumeIntegralInRange<uint32_t>(0, bufferSize));
    const auto length = static_cast<uint32_t>(value.size());
    // Exactly the buffer's size on the heap, with stale bytes after the value.
    const std::unique_ptr<char[]> buffer(new char[bufferSize]);
    std::memset(buffer.get(), 0x5A, bufferSize);
    if (length > 0) std::memcpy(buffer.get(), value.data(), length);

    const int32_t result = TerminateRegistryText(buffer.get(), bufferSize, length);
    if (result != 0) {
        fuzz::Check(result == -102 && buffer[0] == '\0', "a value that does not fit is refused, leaving nothing");
        fuzz::Check(length == bufferSize && value[length - 1] != '\0', "only a value filling the buffer is refused");
        return 0;
    }
    const std::size_t kept = FieldLength(buffer.get(), bufferSize);
    fuzz::Check(kept < bufferSize, "the directory ends within the buffer");
    fuzz::Check(kept == FieldLength(value.data(), length) && (kept == 0 || std::memcmp(buffer.get(), value.data(), kept) == 0),
                "the directory is the value up to its first zero");
    if (bufferSize == kPathSize) CheckLibraryPaths(buffer.get());
    return 0;
}
