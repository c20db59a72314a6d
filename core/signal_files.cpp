#include "core/signal_files.h"

namespace {

constexpr wchar_t kDataChangedFile[] = L"\\Windows\\Quillon2.qmk";
constexpr wchar_t kSettingsChangedFile[] = L"\\Windows\\Quillon3.qmk";

}  // namespace

bool CreateSignalFile(SignalFile which)
{
    LPCWSTR path = which == SignalFile::DataChanged ? kDataChangedFile : kSettingsChangedFile;
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    return true;
}
