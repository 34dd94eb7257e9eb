# Compiler settings shared by every target of the project's own code.

option(CORVANE_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(CORVANE_FUZZ "Build the libFuzzer targets only (clang)" OFF)

set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)

if(CORVANE_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
    add_link_options(-fsanitize=address,undefined)
endif()

if(WIN32)
    # ANSI entry points throughout, as the Palm libraries and the stored files use the ANSI code page.
    add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX STRICT _WIN32_WINNT=0x0601 WINVER=0x0601)
    # No MinGW runtime DLL beside the program.
    add_link_options(-static -static-libgcc -static-libstdc++)
endif()

# Warnings as errors for the project's own targets (not for the test framework).
function(corvane_strict target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wnon-virtual-dtor -Wold-style-cast
        -Wcast-align -Wnull-dereference -Wformat=2 -Werror)
endfunction()
