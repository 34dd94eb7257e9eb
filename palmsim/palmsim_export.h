// Exports of the stand-in libraries: C names, Palm's calling convention, and
// a compile-time check that each definition has the type the program binds.
#pragma once

#include <type_traits>

#include "palm_api.h"

#define PALMSIM_EXPORT extern "C" __declspec(dllexport)

#define PALMSIM_CHECK_TYPE(name, result, arguments) \
    static_assert(std::is_same_v<decltype(&::name), corvane::name##Fn>, #name " has the wrong type");
