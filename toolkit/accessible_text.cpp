#include "accessible_text.h"

#include <initguid.h>
#include <oleacc.h>

#include <string>

namespace corvane {
namespace {

constexpr DWORD kAnnotatedObjects[] = {static_cast<DWORD>(OBJID_WINDOW), static_cast<DWORD>(OBJID_CLIENT)};

MSAAPROPID PropertyOf(AccessibleText kind) {
    return kind == AccessibleText::Name ? PROPID_ACC_NAME : PROPID_ACC_DESCRIPTION;
}

// Runs `use` with Windows' annotation service, where there is one.
template <typename Use>
void WithAnnotations(Use use) {
    const HRESULT started = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IAccPropServices* services = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                   reinterpret_cast<void**>(&services)))) {
        use(*services);
        services->Release();
    }
    if (SUCCEEDED(started)) CoUninitialize();
}

}  // namespace

void SetAccessibleText(HWND window, AccessibleText kind, const char* text) {
    std::wstring wide(static_cast<std::size_t>(MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0)), L'\0');
    if (wide.empty()) return;
    MultiByteToWideChar(CP_ACP, 0, text, -1, &wide[0], static_cast<int>(wide.size()));
    WithAnnotations([&](IAccPropServices& services) {
        for (const DWORD object : kAnnotatedObjects) {
            services.SetHwndPropStr(window, object, CHILDID_SELF, PropertyOf(kind), wide.c_str());
        }
    });
}

void ClearAccessibleText(HWND window, AccessibleText kind) {
    MSAAPROPID property = PropertyOf(kind);
    WithAnnotations([&](IAccPropServices& services) {
        for (const DWORD object : kAnnotatedObjects) services.ClearHwndProps(window, object, CHILDID_SELF, &property, 1);
    });
}

}  // namespace corvane
