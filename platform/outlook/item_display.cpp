// Display: the item form is a program of its own ("\Windows\PimForm.exe"),
// started with what to show; the call returns as soon as it has started.
//   PimForm.exe /kind contact|appointment|task /oid <id> [/start <yyyy-mm-dd hh:mm>] [/parent <window>]
// An item never saved has the id 0; an occurrence names its start.
#include "platform/outlook/objects.h"
#include "platform/outlook/ole_dates.h"

#include <strsafe.h>

#include <string>

namespace poom {

namespace {

const wchar_t kFormProgram[] = L"\\Windows\\PimForm.exe";

const wchar_t* KindWord(ItemKind kind)
{
    switch (kind) {
    case ItemKind::Contact: return L"contact";
    case ItemKind::Appointment: return L"appointment";
    case ItemKind::Task: return L"task";
    }
    return L"";
}

}  // namespace

HRESULT DisplayItem(const ItemState& state)
{
    std::wstring line = L"\"" + std::wstring(kFormProgram) + L"\" /kind " + KindWord(state.data.Kind()) +
                        L" /oid " + std::to_wstring(static_cast<unsigned long>(state.data.Oid()));
    SYSTEMTIME start;
    if (state.occurrence && DateToSystemTime(state.data.Date(kPropStart), &start)) {
        wchar_t when[32] = L"";
        StringCchPrintfW(when, ARRAYSIZE(when), L" /start \"%04u-%02u-%02u %02u:%02u\"", start.wYear, start.wMonth,
                         start.wDay, start.wHour, start.wMinute);
        line += when;
    }
    if (HWND parent = LogonWindow())
        line += L" /parent " + std::to_wstring(static_cast<unsigned long>(reinterpret_cast<ULONG_PTR>(parent)));
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        DWORD error = GetLastError();
        NKDbgPrintfW(L"ceoutlook: the item form did not start (error %lu)\r\n", error);
        return HRESULT_FROM_WIN32(error);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return S_OK;
}

}  // namespace poom
