// The process's settings record and its lifetime: module initialisation loads
// it before the entry point runs, module finalisation saves it afterwards.
// Defined apart from TOptions so that only a program that uses `Options`
// carries this load and save.
#include "options_instance.h"

#include "options.h"

namespace corvane {

TOptions Options;

namespace {

bool optionsFinished = false;

// Constructed after `Options` (same unit, later definition), so the record
// exists when it is loaded, and destroyed before it.
struct OptionsLifetime {
    OptionsLifetime() { Options.Load(); }
    ~OptionsLifetime() { FinishOptions(); }
    OptionsLifetime(const OptionsLifetime&) = delete;
    OptionsLifetime& operator=(const OptionsLifetime&) = delete;
};

const OptionsLifetime optionsLifetime;

}  // namespace

void DiscardOptions() { optionsFinished = true; }

void FinishOptions() {
    if (optionsFinished) return;
    optionsFinished = true;
    Options.Save();
}

}  // namespace corvane
