// The words for a file of the program's own that could not be read or saved.
#pragma once

#include <string>

#include "change_saver.h"

namespace corvane {

// The message for `problem`, with the path and the system's reason.
std::wstring DataProblemText(const DataFileProblem& problem, SaveAsk ask);

// Shows it with Retry and Cancel; true when Retry was chosen.
bool ReportDataProblem(const DataFileProblem& problem, SaveAsk ask);

// The message for a Palm Desktop folder whose name the ANSI code page cannot
// hold, and the showing of it once the message loop runs.
std::wstring DesktopPathNotAnsiText(const std::wstring& path);
void ReportDesktopPathNotAnsiLater();

}  // namespace corvane
