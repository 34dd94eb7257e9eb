#include "option_values.h"

#include <cstdio>
#include <string>

namespace corvane {

int32_t OptionFromStored(bool isFlag, uint32_t stored) {
    const auto value = static_cast<int32_t>(stored);
    if (!isFlag) return value;
    return value == 1 ? 1 : 0;
}

void OptionText(bool isFlag, int32_t value, char (&text)[kOptionTextSize]) {
    if (isFlag) {
        std::snprintf(text, sizeof text, "%s", value != 0 ? "1" : "0");
    } else {
        std::snprintf(text, sizeof text, "%d", static_cast<int>(value));
    }
}

}  // namespace corvane
