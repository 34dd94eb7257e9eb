// Makes a Palm Desktop of the stand-in and names it in the registry:
//   palmsetup demo DIRECTORY    three users, a profile and the usual conduits
//   palmsetup empty DIRECTORY   no users and no conduits
#include <cstdio>
#include <cstring>

#include "fixture.h"

int main(int argc, char** argv) {
    if (argc != 3 || (std::strcmp(argv[1], "demo") != 0 && std::strcmp(argv[1], "empty") != 0)) {
        std::fprintf(stderr, "usage: palmsetup demo|empty DIRECTORY\n");
        return 2;
    }
    const auto kind = std::strcmp(argv[1], "demo") == 0 ? palmsim::DesktopKind::Demo : palmsim::DesktopKind::Empty;
    if (!palmsim::CreatePalmDesktop(argv[2], kind) || !palmsim::RegisterDesktopPath(argv[2])) {
        std::fprintf(stderr, "palmsetup: could not create the Palm Desktop in %s\n", argv[2]);
        return 1;
    }
    std::printf("Palm Desktop (%s) in %s\n", argv[1], argv[2]);
    return 0;
}
