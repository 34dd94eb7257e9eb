#include "registry_text.h"

namespace corvane {

int32_t TerminateRegistryText(char* buffer, uint32_t size, uint32_t length) {
    constexpr int32_t kDoesNotFit = -102;
    if (buffer == nullptr || size == 0) return kDoesNotFit;
    if (length == 0) {
        buffer[0] = '\0';
        return 0;
    }
    if (length <= size && buffer[length - 1] == '\0') return 0;
    if (length < size) {
        buffer[length] = '\0';
        return 0;
    }
    buffer[0] = '\0';
    return kDoesNotFit;
}

}  // namespace corvane
