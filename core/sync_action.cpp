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
        case saSynchronize: return stFast;
        case saPCToHH: return stPCToHH;
        case saHHToPC: return stHHToPC;
        case saDoNothing: return stDoNothing;
        default: return stFast;
    }
}

int32_t FromConduitSyncType(int32_t syncType, int32_t unchanged) {
    switch (syncType) {
        case stFast:
        case stSlow: return saSynchronize;
        case stHHToPC: return saHHToPC;
        case stPCToHH: return saPCToHH;
        case stDoNothing: return saDoNothing;
        default: return unchanged;
    }
}

}  // namespace corvane
