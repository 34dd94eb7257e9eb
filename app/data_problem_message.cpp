#include "data_problem_message.h"

#include <windows.h>

#include "application.h"
#include "desktop_path.h"
#include "system_error_text.h"
#include "ui_services.h"

namespace corvane {
namespace {

// Message boxes speak the ANSI code page: a letter it lacks shows as "?".
std::string AnsiText(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) return {};
    std::string ansi(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, -1, ansi.data(), size, nullptr, nullptr);
    ansi.resize(static_cast<std::size_t>(size - 1));
    return ansi;
}

}  // namespace

std::string DataProblemText(const DataFileProblem& problem, SaveAsk ask) {
    const std::string path = problem.Path != nullptr ? AnsiText(problem.Path) : std::string();
    if (problem.Reading) {
        return "Corvane could not read\n" + path + "\n\n" + SystemErrorText(problem.Reason) +
               "\n\nCorvane goes on without what this file holds and does not save over it. Choose Retry to read "
               "it again now; Corvane also tries again at your next change.";
    }
    const char* after = ask == SaveAsk::UntilAnswered
                            ? "Choose Retry to try again, or Cancel to end Corvane without saving them."
                            : "Choose Retry to try again now; Corvane also tries again at your next change.";
    return "Corvane could not save your changes to\n" + path + "\n\n" + SystemErrorText(problem.Reason) + "\n\n" + after;
}

std::string DesktopPathNotAnsiText(const std::wstring& path) {
    return "Palm Desktop not found.\n\nThe folder Palm Desktop is registered in,\n" + AnsiText(path.c_str()) +
           "\nhas letters that this system's ANSI code page lacks, and Palm Desktop's libraries can name only "
           "folders in that code page. Install Palm Desktop in a folder whose name uses other letters.";
}

namespace {

void CALLBACK ShowDesktopPathNotAnsi(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    const std::string text = DesktopPathNotAnsiText(ReadWideDesktopPath());
    Ui().ShowMessage(App().Handle(), text.c_str(), App().Title(), MB_OK | MB_ICONWARNING);
}

}  // namespace

void ReportDesktopPathNotAnsiLater() { SetTimer(nullptr, 0, 0, ShowDesktopPathNotAnsi); }

bool ReportDataProblem(const DataFileProblem& problem, SaveAsk ask) {
    const std::string text = DataProblemText(problem, ask);
    return Ui().ShowMessage(App().Handle(), text.c_str(), App().Title(), MB_RETRYCANCEL | MB_ICONWARNING) == IDRETRY;
}

}  // namespace corvane
