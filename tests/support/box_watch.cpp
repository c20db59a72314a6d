#include "tests/support/box_watch.h"

#include <utility>

namespace boxwatch {

namespace {

constexpr UINT kPollMs = 50;
UINT_PTR armedTimer = 0;
// The answers still to give, in order, and what the boxes answered showed.
std::vector<int> pendingAnswers;
std::vector<SeenBox> seenBoxes;
HWND lastAnswered = nullptr;

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

// The buttons a box shows (a message box keeps those of other kinds hidden)
// and its default among them: the one styled as default, else the one the
// box names.
void ReadButtons(HWND box, SeenBox* seen)
{
    LRESULT named = SendMessageW(box, DM_GETDEFID, 0, 0);
    int namedId = HIWORD(named) == DC_HASDEFID ? LOWORD(named) : 0;
    int styled = 0;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t name[32] = L"";
        GetClassNameW(child, name, ARRAYSIZE(name));
        LONG style = GetWindowLongW(child, GWL_STYLE);
        if (lstrcmpiW(name, L"Button") != 0 || !(style & WS_VISIBLE))
            continue;
        int id = GetDlgCtrlID(child);
        seen->buttons.push_back(id);
        if ((style & BS_TYPEMASK) == BS_DEFPUSHBUTTON && !styled)
            styled = id;
    }
    seen->defaultButton = styled ? styled : namedId;
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
    // A box answered stays up until its answer is taken.
    if (!box || box == lastAnswered || seenBoxes.size() >= pendingAnswers.size())
        return;
    seenBoxes.push_back(ReadBox(box));
    lastAnswered = box;
    PostMessageW(box, WM_COMMAND, static_cast<WPARAM>(pendingAnswers[seenBoxes.size() - 1]), 0);
}

}  // namespace

void ArmForThisThread(int answer)
{
    ArmForBoxes({answer});
}

void ArmForBoxes(std::initializer_list<int> answers)
{
    pendingAnswers.assign(answers);
    seenBoxes.clear();
    lastAnswered = nullptr;
    armedTimer = SetTimer(nullptr, 0, kPollMs, AnswerBox);
}

std::vector<SeenBox> DisarmBoxes()
{
    if (armedTimer)
        KillTimer(nullptr, armedTimer);
    armedTimer = 0;
    return std::exchange(seenBoxes, {});
}

SeenBox Disarm()
{
    std::vector<SeenBox> seen = DisarmBoxes();
    return seen.empty() ? SeenBox() : seen.front();
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
    ReadButtons(box, &seen);
    return seen;
}

}  // namespace boxwatch
