#include "path_text.h"

namespace corvane {

std::size_t DirectoryLength(const char* path, std::size_t width, LeadByteTest isLeadByte) {
    const std::size_t length = FieldLength(path, width);
    std::size_t directory = 0;
    std::size_t at = 0;
    while (at < length) {
        if (path[at] == '\\' || path[at] == '/') directory = at + 1;
        at += isLeadByte(static_cast<unsigned char>(path[at])) && at + 1 < length ? 2 : 1;
    }
    return directory;
}

int ModuleDirectory(const char* module, uint32_t length, PathBuffer* buffer, LeadByteTest isLeadByte) {
    if (buffer == nullptr) return 0;
    char* out = *buffer;
    out[0] = '\0';
    if (length == 0 || length >= kPathSize) return 0;
    const std::size_t directory = DirectoryLength(module, length, isLeadByte);
    for (std::size_t i = 0; i < directory; ++i) out[i] = module[i];
    out[directory] = '\0';
    return 1;
}

bool IsFullPath(const char* path) {
    if (path == nullptr) return false;
    const bool drive = ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z')) && path[1] == ':' &&
                       (path[2] == '\\' || path[2] == '/');
    const bool share = path[0] == '\\' && path[1] == '\\';
    return drive || share;
}

bool JoinPath(PathBuffer* buffer, const char* directory, const char* fileName) {
    if (buffer == nullptr) return false;
    char* out = *buffer;
    out[0] = '\0';
    if (directory == nullptr || fileName == nullptr) return false;
    if (!CopyField(out, kPathSize, directory, kPathSize) || !AppendText(out, kPathSize, "\\") ||
        !AppendText(out, kPathSize, fileName)) {
        out[0] = '\0';
        return false;
    }
    return true;
}

}  // namespace corvane
