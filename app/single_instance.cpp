#include "single_instance.h"

#include <windows.h>

#include "win_handles.h"

namespace corvane {
namespace {

UniqueHandle instanceMutex;

}  // namespace

bool CheckSingleInstance() {
    instanceMutex.Reset(CreateMutexA(nullptr, FALSE, kInstanceMutexName));
    return instanceMutex && GetLastError() == ERROR_ALREADY_EXISTS;
}

void ReleaseSingleInstance() { instanceMutex.Reset(); }

}  // namespace corvane
