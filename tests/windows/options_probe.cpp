// Exits with the FormIndex it found loaded before main, then changes two
// settings so that the caller can see them saved after main has returned.
#include "options.h"

int main() {
    const int loaded = corvane::Options.FormIndex;
    corvane::Options.FormIndex = 2;
    corvane::Options.RemindSec = 45;
    return loaded;
}
