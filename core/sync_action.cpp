#include "sync_action.h"

#include <cstring>

namespace corvane {

const char* ActionTextOf(int32_t code) {
    switch (code) {
        case saSynchronize: return "Synchronize the files";
        case saPCToHH: return "Desktop overwrite handheld";
        case saHHToPC: return "Handheld overwrite desktop";
        case saDoNothing: return "Do nothing";
        default: return "Unknown action";
    }
}

int ActionText(int32_t code, char* buffer) {
    if (buffer == nullptr) return 0;
    const char* text = ActionTextOf(code);
    std::memcpy(buffer, text, std::strlen(text) + 1);
    return 1;
}

int32_t ToConduitSyncType(int32_t code) {
    switch (code) {
        case saSynchronize: return 0;
        case saPCToHH: return 3;
        case saHHToPC: return 2;
        case saDoNothing: return 6;
        default: return 0;
    }
}

int32_t FromConduitSyncType(int32_t syncType, int32_t unchanged) {
    switch (syncType) {
        case 0:
        case 1: return saSynchronize;
        case 2: return saHHToPC;
        case 3: return saPCToHH;
        case 6: return saDoNothing;
        default: return unchanged;
    }
}

}  // namespace corvane
