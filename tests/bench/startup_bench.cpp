// Start-up time and idle working set of corvane.exe beside a bare Win32
// program (bare_window.exe) that only registers a class and creates one
// window, both started the same way, rounds interleaved:
//   startup_bench [ROUNDS]
// Corvane makes a later start (window hidden) from a folder of its own, with
// the demo Palm Desktop of the stand-in and no schedules; it counts as started
// once its icon window exists. The working set is read after a second of
// idleness.
//   startup_bench idle SECONDS
// starts both, lets them settle, prints "idle-begin", waits SECONDS, prints
// "idle-end" and ends them: tools/bench.sh counts what each process does in
// between.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "fixture.h"
#include "program_driver.h"
#include "win_test_support.h"

namespace {

using namespace corvane::testing;

constexpr DWORD kIdleMilliseconds = 1000;
constexpr DWORD kSettleMilliseconds = 10000;
constexpr DWORD kReadMilliseconds = 2000;
constexpr WPARAM kExitCommand = 1101;

struct Sample {
    double StartMilliseconds = 0;
    double WorkingSetKiB = 0;
};

double Now() {
    LARGE_INTEGER count;
    LARGE_INTEGER frequency;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double WorkingSetKiB(DWORD processId) {
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    const BOOL read = process != nullptr && GetProcessMemoryInfo(process, &counters, sizeof counters);
    if (process != nullptr) CloseHandle(process);
    return read ? static_cast<double>(counters.WorkingSetSize) / 1024.0 : 0.0;
}

// Starts `program`, waits for `started` to find its window, measures, and ends it through `finish`.
template <typename Started, typename Finish>
bool Measure(const std::string& program, Started started, Finish finish, Sample& sample) {
    ProgramRun run;
    const double begin = Now();
    if (!run.Start(program)) return false;
    HWND window = nullptr;
    if (!WaitFor([&] { return (window = started(run.Id())) != nullptr; }, 30000)) return false;
    sample.StartMilliseconds = Now() - begin;
    Sleep(kIdleMilliseconds);
    sample.WorkingSetKiB = WorkingSetKiB(run.Id());
    finish(window);
    return run.ExitCode() == 0;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

// One line of figures: the spread of each program's samples, so that a
// change can be told from noise, and the ratio of the medians to its aim.
void PrintFigures(const char* what, const char* unit, const std::vector<double> (&samples)[2], double aim) {
    const auto spread = [unit](const std::vector<double>& values) {
        static char text[96];
        std::snprintf(text, sizeof text, "min %.1f, median %.1f, max %.1f %s",
                      *std::min_element(values.begin(), values.end()), Median(values),
                      *std::max_element(values.begin(), values.end()), unit);
        return std::string(text);
    };
    const double ratio = Median(samples[1]) / Median(samples[0]);
    std::printf("  %s\n    bare     %s\n    corvane  %s\n    ratio of the medians %.2f; aim: at most %.1f: %s\n", what,
                spread(samples[0]).c_str(), spread(samples[1]).c_str(), ratio, aim, ratio <= aim ? "met" : "NOT met");
}

// corvane.exe and its data folder in a folder of their own, on a later start.
std::string LayOutCorvane(const std::string& folder) {
    RemoveTree(folder);
    CreateDirectoryA(folder.c_str(), nullptr);
    CreateDirectoryA((folder + "\\cvdata").c_str(), nullptr);
    const std::string program = folder + "\\corvane.exe";
    CopyFileA((ExeDirectory() + "corvane.exe").c_str(), program.c_str(), FALSE);
    CopyFileA((ExeDirectory() + "cvdata\\cvwkcond.dat").c_str(), (folder + "\\cvdata\\cvwkcond.dat").c_str(), FALSE);
    WriteWholeFile(folder + "\\brightfen.ini", "[CVOption]\r\nHide=1\r\nShowHelp=1\r\n");
    return program;
}

HWND BareWindowOf(DWORD id) { return FindProcessWindow(id, "BareBenchWindow"); }
HWND CorvaneIconOf(DWORD id) { return IconWindowOf(FindProcessWindow(id, kMainWindowClass)); }

bool MeasureIdle(const std::string& bare, const std::string& corvane, int seconds) {
    ProgramRun bareRun;
    ProgramRun corvaneRun;
    HWND window = nullptr;
    HWND icon = nullptr;
    if (!bareRun.Start(bare) || !corvaneRun.Start(corvane) ||
        !WaitFor([&] { return (window = BareWindowOf(bareRun.Id())) != nullptr; }, 30000) ||
        !WaitFor([&] { return (icon = CorvaneIconOf(corvaneRun.Id())) != nullptr; }, 30000)) {
        return false;
    }
    Sleep(kSettleMilliseconds);
    std::printf("idle-begin\n");
    std::fflush(stdout);
    Sleep(static_cast<DWORD>(seconds) * 1000);
    std::printf("idle-end\n");
    std::fflush(stdout);
    Sleep(kReadMilliseconds);  // the counts are read before the programs begin to end
    PostMessageA(window, WM_CLOSE, 0, 0);
    PostMessageA(icon, WM_COMMAND, kExitCommand, 0);
    return bareRun.ExitCode() == 0 && corvaneRun.ExitCode() == 0;
}

}  // namespace

int main(int argc, char** argv) {
    const bool idle = argc > 2 && std::string(argv[1]) == "idle";
    const int rounds = argc > 1 && !idle ? std::max(1, std::atoi(argv[1])) : 10;
    const std::string desktop = TempFolder() + "Bench Palm Desktop";
    const std::string folder = TempFolder() + "Corvane Bench";
    if (!palmsim::CreatePalmDesktop(desktop, palmsim::DesktopKind::Demo) || !palmsim::RegisterDesktopPath(desktop)) {
        std::fprintf(stderr, "startup_bench: cannot make the demo Palm Desktop\n");
        return 1;
    }
    const std::string corvane = LayOutCorvane(folder);
    const std::string bare = ExeDirectory() + "bare_window.exe";
    if (idle) {
        const bool measured = MeasureIdle(bare, corvane, std::max(1, std::atoi(argv[2])));
        palmsim::UnregisterDesktopPath();
        RemoveTree(desktop);
        RemoveTree(folder);
        if (!measured) std::fprintf(stderr, "startup_bench: a program did not start or end as expected\n");
        return measured ? 0 : 1;
    }

    std::vector<double> times[2];
    std::vector<double> sets[2];
    bool ok = true;
    for (int round = 0; round < rounds && ok; ++round) {
        Sample sample;
        ok = Measure(bare, BareWindowOf,
                     [](HWND window) { PostMessageA(window, WM_CLOSE, 0, 0); }, sample);
        times[0].push_back(sample.StartMilliseconds);
        sets[0].push_back(sample.WorkingSetKiB);
        ok = ok && Measure(corvane, CorvaneIconOf,
                           [](HWND icon) { PostMessageA(icon, WM_COMMAND, kExitCommand, 0); }, sample);
        times[1].push_back(sample.StartMilliseconds);
        sets[1].push_back(sample.WorkingSetKiB);
    }
    palmsim::UnregisterDesktopPath();
    RemoveTree(desktop);
    RemoveTree(folder);
    if (!ok) {
        std::fprintf(stderr, "startup_bench: a program did not start or end as expected\n");
        return 1;
    }

    std::printf("%d interleaved rounds under Wine:\n", rounds);
    PrintFigures("start until the first window (Corvane: its icon window)", "ms", times, 1.3);
    PrintFigures("working set after a second of idleness", "KiB", sets, 1.3);
    return 0;
}
