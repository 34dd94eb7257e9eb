#include "code_page.h"

#include <windows.h>

namespace corvane {

bool IsAnsiLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }

void FoldAnsiToUpper(char* text, std::size_t length) {
    if (length > 0) CharUpperBuffA(text, static_cast<DWORD>(length));
}

}  // namespace corvane
