#include "mainwindow/outside_programs.h"

#include "mainwindow/state.h"

namespace {

constexpr wchar_t kMailProgram[] = L"\\Windows\\tmail.exe";
constexpr wchar_t kMmsComposer[] = L"\\Windows\\KTFMMS.exe";

std::wstring WithoutQuotes(const wchar_t* text)
{
    std::wstring kept;
    for (const wchar_t* at = text ? text : L""; *at; ++at) {
        if (*at != L'"')
            kept.push_back(*at);
    }
    return kept;
}

}  // namespace

void StartOutsideProgram(const wchar_t* program, const std::wstring& commandLine)
{
    std::wstring line = commandLine;
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (CreateProcessW(program, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

void StartMailProgram(const wchar_t* address)
{
    StartOutsideProgram(kMailProgram, std::wstring(L"mailto:") + (address ? address : L""));
}

std::wstring MmsComposerCommandLine(const wchar_t* mobile, const wchar_t* name)
{
    return L"-type EDIT -RECEIVER \"" + WithoutQuotes(mobile) + L"\" -name \"" + WithoutQuotes(name) + L"\"";
}

void StartMmsComposer(const wchar_t* mobile, const wchar_t* name)
{
    StartOutsideProgram(kMmsComposer, MmsComposerCommandLine(mobile, name));
}

void LaunchMmsComposer()
{
    if (ContactDialInfo.PreviewMobileDigits[0])
        StartMmsComposer(ContactDialInfo.PreviewMobileDigits, ContactDialInfo.LinkedContactName);
}
