#include "tests/support/box_watch.h"

namespace boxwatch {

namespace {

constexpr UINT kPollMs = 50;
UINT_PTR armedTimer = 0;
int armedAnswer = IDOK;
SeenBox lastSeen;

bool IsDialogClass(HWND window)
{
    wchar_t name[32] = L"";
    GetClassNameW(window, name, ARRAYSIZE(name));
    return lstrcmpW(name, L"#32770") == 0;
}

BOOL CALLBACK CollectStaticText(HWND child, LPARAM param)
{
    wchar_t name[32] = L"";
    GetClassNameW(child, name, ARRAYSIZE(name));
    auto* text = reinterpret_cast<std::wstring*>(param);
    std::wstring childText = testkit::WindowText(child);
    if (lstrcmpiW(name, L"Static") == 0 && !childText.empty() && text->empty())
        *text = childText;
    return TRUE;
}

BOOL CALLBACK FindThreadBox(HWND window, LPARAM param)
{
    if (IsDialogClass(window) && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(param) = window;
        return FALSE;
    }
    return TRUE;
}

struct ProcessSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindBoxOfProcess(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<ProcessSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsDialogClass(window) && IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK AnswerBox(HWND, UINT, UINT_PTR, DWORD)
{
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindThreadBox, reinterpret_cast<LPARAM>(&box));
    if (!box || lastSeen.seen)
        return;
    lastSeen = ReadBox(box);
    PostMessageW(box, WM_COMMAND, static_cast<WPARAM>(armedAnswer), 0);
}

}  // namespace

void ArmForThisThread(int answer)
{
    lastSeen = SeenBox();
    armedAnswer = answer;
    armedTimer = SetTimer(nullptr, 0, kPollMs, AnswerBox);
}

SeenBox Disarm()
{
    if (armedTimer)
        KillTimer(nullptr, armedTimer);
    armedTimer = 0;
    return lastSeen;
}

HWND FindProcessBox(DWORD processId)
{
    ProcessSearch search = {processId, nullptr};
    EnumWindows(FindBoxOfProcess, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

SeenBox ReadBox(HWND box)
{
    SeenBox seen;
    seen.seen = true;
    seen.caption = testkit::WindowText(box);
    EnumChildWindows(box, CollectStaticText, reinterpret_cast<LPARAM>(&seen.text));
    return seen;
}

}  // namespace boxwatch
