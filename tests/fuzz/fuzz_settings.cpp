// The settings' outside values: the executable's path as the system reports
// it (any wide characters, any length), and the eight values of the settings
// file as the INI reader returns them (any 32 bits). The directory is the
// path's start up to a separator, and every file path formed from it fits
// its buffer or is not formed; flags
// become 0 or 1 and numbers stay as read, and the text written for each
// reads back as the field. Numbers typed into the windows' boxes (any text)
// read as the whole decimal text within 32 bits, else 0. Whatever text the
// settings file held, in whatever encoding, the text written back reads back
// as the settings, and writing it again changes nothing.
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <cwchar>

#include "decimal_text.h"
#include "fuzz_support.h"
#include "option_values.h"
#include "path_text.h"

namespace corvane {
namespace {

using fuzz::Check;

constexpr const wchar_t* kFileNames[] = {L"brightfen.ini", L"cvdata\\cvwkcond.dat", L"cvdata\\cvsche.dat",
                                         L"cvdata\\cvhelp.chm", L"cvdata\\cvremind.wav"};

void CheckModulePath(FuzzedDataProvider& input) {
    // The system reports the characters it wrote, terminated, or the whole
    // buffer's size when the path was cut (then perhaps unterminated).
    const std::string bytes = input.ConsumeRandomLengthString(kPathSize * 2);
    const auto length = static_cast<uint32_t>(bytes.size() / 2);
    WidePath reported;
    std::wmemset(reported, L'Z', kPathSize);
    for (std::size_t i = 0; i < std::min<std::size_t>(length, kPathSize); ++i) {
        reported[i] = static_cast<wchar_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                           static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
    }
    if (length < kPathSize) reported[length] = L'\0';

    WidePath directory;
    const int result = ModuleDirectory(reported, length, &directory);
    const std::size_t kept = FieldLength(directory, kPathSize);
    Check(kept < kPathSize, "the directory ends within its buffer");
    if (result == 0) {
        Check((length == 0 || length >= kPathSize) && kept == 0, "only an empty or cut path gives no directory");
        return;
    }
    const std::size_t textLength = FieldLength(reported, length);
    Check(kept <= textLength && std::wmemcmp(directory, reported, kept) == 0, "the directory is the path's start");
    Check(kept == 0 || directory[kept - 1] == L'\\' || directory[kept - 1] == L'/', "the directory ends at a separator");
    for (const wchar_t* name : kFileNames) {
        WidePath path;
        std::wmemcpy(path, directory, kept + 1);
        if (AppendText(path, kPathSize, name)) {
            Check(std::wcslen(path) == kept + std::wcslen(name), "a file path is the directory and the name");
        } else {
            Check(kept + std::wcslen(name) >= kPathSize && std::wcscmp(path, directory) == 0,
                  "only a file path too long is not formed");
        }
    }
}

void CheckStoredValues(FuzzedDataProvider& input) {
    for (int key = 0; key < 8; ++key) {
        const bool isFlag = input.ConsumeBool();
        const auto stored = input.ConsumeIntegral<uint32_t>();
        const int32_t field = OptionFromStored(isFlag, stored);
        if (isFlag) {
            Check(field == (stored == 1 ? 1 : 0), "a flag is set only by exactly 1");
        } else {
            Check(field == static_cast<int32_t>(stored), "a number stays as read");
        }
        char text[kOptionTextSize];
        OptionText(isFlag, field, text);
        Check(FieldLength(text, sizeof text) < sizeof text && ParseDecimal(text) == field,
              "the text written reads back as the field");
    }
}

// The whole text as a decimal number within 32 bits, worked out apart.
int32_t ExpectedDecimal(const std::string& text) {
    const std::size_t start = !text.empty() && text[0] == '-' ? 1 : 0;
    if (text.size() == start || text.find_first_not_of("0123456789", start) != std::string::npos) return 0;
    errno = 0;
    const long long value = std::strtoll(text.c_str(), nullptr, 10);
    if (errno == ERANGE || value > INT32_MAX || value < INT32_MIN) return 0;
    return static_cast<int32_t>(value);
}

void CheckTypedNumber(FuzzedDataProvider& input) {
    const std::string typed = input.ConsumeRandomLengthString(40);
    const std::string text = typed.c_str();  // a window's text ends at its first zero
    Check(ParseDecimal(text.c_str()) == ExpectedDecimal(text), "a typed number reads as its whole text");
}

void CheckSettingsText(FuzzedDataProvider& input) {
    const std::string previous = input.ConsumeRandomLengthString(400);
    OptionFields fields;
    fields.FormIndex = input.ConsumeIntegral<int32_t>();
    fields.ShowHelp = input.ConsumeBool() ? 1 : 0;
    const std::string written = OptionFileBytes(fields, previous);
    OptionFields read;
    ReadOptionFields(read, written, false);
    Check(read.FormIndex == fields.FormIndex && read.ShowHelp == fields.ShowHelp && read.RemindSec == fields.RemindSec,
          "the settings written read back as they were");
    Check(OptionFileBytes(fields, written) == written, "writing the same settings again changes nothing");
}

}  // namespace
}  // namespace corvane

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace corvane;
    FuzzedDataProvider input(data, size);
    CheckModulePath(input);
    CheckStoredValues(input);
    CheckTypedNumber(input);
    CheckSettingsText(input);
    return 0;
}
