#include "path_text.h"

namespace corvane {

int ModuleDirectory(const wchar_t* module, uint32_t length, WidePath* buffer) {
    if (buffer == nullptr) return 0;
    wchar_t* out = *buffer;
    out[0] = L'\0';
    if (length == 0 || length >= kPathSize) return 0;
    const std::size_t text = FieldLength(module, length);
    std::size_t directory = 0;
    for (std::size_t at = 0; at < text; ++at) {
        if (module[at] == L'\\' || module[at] == L'/') directory = at + 1;
    }
    for (std::size_t i = 0; i < directory; ++i) out[i] = module[i];
    out[directory] = L'\0';
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
