// Conduit module files bound with the Windows loader, and the Windows side of
// building the conduit list.
#pragma once

#include <memory>

#include "conduit_list.h"
#include "library_module.h"

namespace corvane {

// A conduit's module file, bound for as long as the object lives. Texts it is
// handed are in the ANSI code page.
class LibraryConduitModule final : public ConduitModule {
public:
    LibraryConduitModule();
    LibraryModule Library;
};

// Unbinds, then binds the module file at `path` and looks up ConfigureConduit,
// GetConduitInfo, GetConduitName and CfgConduit. Returns 1 when bound, 0 when
// not (an empty path binds nothing).
int ConduitModuleLoad(LibraryConduitModule& module, const char* path);

// Releases the module file and clears the three entries.
void ConduitModuleUnload(LibraryConduitModule& module);

// A new module, loaded from `path`; unbound when it cannot be.
std::unique_ptr<LibraryConduitModule> ConduitModuleCreate(const char* path);

// Builds conduit lists from real module files: module names resolve against
// the current directory (the Palm Desktop directory while the program runs).
class WindowsConduitHost final : public ConduitHost {
public:
    std::unique_ptr<ConduitModule> LoadModule(const char* path) override;
    void MakeFullPath(char (&modulePath)[260]) override;
    LeadByteTest LeadBytes() const override;
};

}  // namespace corvane
