// Display: the item form is a program of its own ("\Windows\PimForm.exe"),
// started with what to show; the call returns as soon as it has started.
//   PimForm.exe /kind contact|appointment|task /oid <id> [/start <yyyy-mm-dd hh:mm>] [/parent <window>]
// An item never saved has the id 0; an occurrence names its start.
#include "platform/outlook/objects.h"
#include "platform/outlook/ole_dates.h"

#include <cwchar>

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
    wchar_t line[512];
    int used = _snwprintf(line, 512, L"\"%ls\" /kind %ls /oid %lu", kFormProgram, KindWord(state.data.Kind()),
                          static_cast<unsigned long>(state.data.Oid()));
    SYSTEMTIME start;
    if (state.occurrence && DateToSystemTime(state.data.Date(kPropStart), &start) && used > 0 && used < 512)
        used += _snwprintf(line + used, 512 - used, L" /start \"%04u-%02u-%02u %02u:%02u\"", start.wYear, start.wMonth,
                           start.wDay, start.wHour, start.wMinute);
    if (HWND parent = LogonWindow(); parent && used > 0 && used < 512)
        used += _snwprintf(line + used, 512 - used, L" /parent %lu",
                           static_cast<unsigned long>(reinterpret_cast<ULONG_PTR>(parent)));
    line[511] = L'\0';
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, line, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        DWORD error = GetLastError();
        NKDbgPrintfW(L"ceoutlook: the item form did not start (error %lu)\r\n", error);
        return HRESULT_FROM_WIN32(error);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return S_OK;
}

}  // namespace poom
