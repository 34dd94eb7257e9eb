#include "decimal_text.h"

namespace corvane {

int32_t ParseDecimal(const char* text) {
    if (text == nullptr) return 0;
    const bool negative = text[0] == '-';
    const char* digit = negative ? text + 1 : text;
    if (*digit == '\0') return 0;
    int64_t value = 0;
    for (; *digit != '\0'; ++digit) {
        if (*digit < '0' || *digit > '9') return 0;
        value = value * 10 + (*digit - '0');
        if (value > int64_t{INT32_MAX} + 1) return 0;
    }
    if (negative) value = -value;
    if (value > INT32_MAX || value < INT32_MIN) return 0;
    return static_cast<int32_t>(value);
}

}  // namespace corvane
