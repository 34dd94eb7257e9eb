// The end of the settings' life in this process.
#pragma once

namespace corvane {

// Writes the settings as the end of the process does, once: afterwards the
// save at process end, and any further call, does nothing. For a run that
// must end before the process does (the session is ending).
void FinishOptions();

// Ends the settings' life without writing them: for a second start, which
// must never write over what the running instance saves.
void DiscardOptions();

}  // namespace corvane
