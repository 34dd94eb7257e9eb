#include "data_problem_message.h"

#include <windows.h>

#include "application.h"
#include "desktop_path.h"
#include "system_error_text.h"
#include "ui_services.h"

namespace corvane {
namespace {

// The application's title, which is ASCII, in wide characters.
std::wstring WideTitle() {
    const std::string title = App().Title();
    return std::wstring(title.begin(), title.end());
}

const wchar_t* Answers(const DataFileProblem& problem, SaveAsk ask) {
    if (ask == SaveAsk::UntilAnswered) {
        return problem.Reading ? L"The changes you made to it in this run are not saved yet. Choose Retry to read "
                                 L"it again and save them, or Cancel to end Corvane without them."
                               : L"Choose Retry to try again, or Cancel to end Corvane without saving them.";
    }
    return problem.Reading ? L"Corvane goes on without what this file holds and does not save over it. Choose "
                             L"Retry to read it again now, or Cancel to go on; Corvane tries again at your next change."
                           : L"Choose Retry to try again now, or Cancel to go on; Corvane tries again at your next "
                             L"change.";
}

}  // namespace

std::wstring DataProblemText(const DataFileProblem& problem, SaveAsk ask) {
    const std::wstring path = problem.Path != nullptr ? problem.Path : L"";
    const wchar_t* opening = problem.Reading ? (problem.Again ? L"Corvane tried again and still could not read\n"
                                                              : L"Corvane could not read\n")
                                             : (problem.Again ? L"Corvane tried again and still could not save "
                                                                L"your changes to\n"
                                                              : L"Corvane could not save your changes to\n");
    return opening + path + L"\n\n" + SystemErrorTextW(problem.Reason) + L"\n\n" + Answers(problem, ask);
}

std::wstring DesktopPathNotAnsiText(const std::wstring& path) {
    return L"Palm Desktop not found.\n\nThe folder Palm Desktop is registered in,\n" + path +
           L"\nhas letters that this system's ANSI code page lacks, and Palm Desktop's libraries can name only "
           L"folders in that code page. Install Palm Desktop in a folder whose name uses other letters.";
}

namespace {

void CALLBACK ShowDesktopPathNotAnsi(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    const std::wstring text = DesktopPathNotAnsiText(ReadWideDesktopPath());
    Ui().ShowMessageW(App().Handle(), text.c_str(), WideTitle().c_str(), MB_OK | MB_ICONWARNING);
}

}  // namespace

void ReportDesktopPathNotAnsiLater() { SetTimer(nullptr, 0, 0, ShowDesktopPathNotAnsi); }

bool ReportDataProblem(const DataFileProblem& problem, SaveAsk ask) {
    const std::wstring text = DataProblemText(problem, ask);
    return Ui().ShowMessageW(App().Handle(), text.c_str(), WideTitle().c_str(), MB_RETRYCANCEL | MB_ICONWARNING) ==
           IDRETRY;
}

}  // namespace corvane
