// Test services for the windows: records message boxes, beeps and program
// starts, answers message boxes as scripted, gives the clock the test sets,
// and runs a scripted action when a modal window starts. In place for the
// object's lifetime.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui_services.h"

namespace corvane::testing {

class RecordingUi : public UiServices {
public:
    struct Message {
        std::string Text;
        std::string Caption;
        UINT Type;
    };

    RecordingUi() { SetUiServices(this); }
    ~RecordingUi() override { SetUiServices(nullptr); }
    RecordingUi(const RecordingUi&) = delete;
    RecordingUi& operator=(const RecordingUi&) = delete;

    int ShowMessage(HWND, const char* text, const char* caption, UINT type) override {
        Messages.push_back({text, caption, type});
        return MessageAnswer;
    }
    // Recorded with the other messages, its texts in UTF-8.
    int ShowMessageW(HWND, const wchar_t* text, const wchar_t* caption, UINT type) override {
        Messages.push_back({Utf8(text), Utf8(caption), type});
        return MessageAnswer;
    }
    static std::string Utf8(const wchar_t* text) {
        const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
        std::string utf8(size > 0 ? static_cast<std::size_t>(size) : 1, '\0');
        WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8.data(), size, nullptr, nullptr);
        utf8.resize(utf8.size() - 1);
        return utf8;
    }
    void Beep(UINT type) override { Beeps.push_back(type); }
    bool ShellOpen(HWND, const char* target) override {
        Opened.emplace_back(target);
        return true;
    }
    bool OpenFile(HWND, const wchar_t* path) override {
        OpenedFiles.emplace_back(path);
        return true;
    }
    bool StartProgram(const char* path, int show) override {
        Started.emplace_back(path);
        StartedShow = show;
        return ReallyStart ? UiServices::StartProgram(path, show) : true;
    }
    LocalTime Now() override { return Clock; }
    void ModalLoopStarted(HWND dialog) override {
        ++ModalStarts;
        if (OnModal) OnModal(dialog);
    }

    std::vector<Message> Messages;
    int MessageAnswer = IDOK;
    std::vector<UINT> Beeps;
    std::vector<std::string> Opened;
    std::vector<std::wstring> OpenedFiles;
    std::vector<std::string> Started;
    int StartedShow = -1;
    bool ReallyStart = false;
    LocalTime Clock{2026, 6, 3, 8, 0, 3};  // Wednesday 3 June 2026, 08:00
    int ModalStarts = 0;
    std::function<void(HWND)> OnModal;
};

}  // namespace corvane::testing
