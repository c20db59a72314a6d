#include "tests/backup/dialog_script.h"

#include "resources/resource.h"

#include <algorithm>

namespace backuptest {

namespace {

constexpr UINT kTickMs = 30;
DialogScript* armed = nullptr;

bool IsDialog(HWND window)
{
    wchar_t name[32] = L"";
    GetClassNameW(window, name, ARRAYSIZE(name));
    return lstrcmpW(name, L"#32770") == 0;
}

BOOL CALLBACK CollectDialogs(HWND window, LPARAM param)
{
    if (IsDialog(window) && IsWindowVisible(window))
        reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
    return TRUE;
}

BOOL CALLBACK FirstStaticText(HWND child, LPARAM param)
{
    wchar_t name[32] = L"";
    GetClassNameW(child, name, ARRAYSIZE(name));
    auto* text = reinterpret_cast<std::wstring*>(param);
    std::wstring childText = TextOfWindow(child);
    if (lstrcmpiW(name, L"Static") == 0 && !childText.empty() && text->empty())
        *text = childText;
    return TRUE;
}

std::wstring FilterText(LPCWSTR filter)
{
    std::wstring joined;
    while (filter && *filter) {
        if (!joined.empty())
            joined += L'|';
        joined += filter;
        filter += wcslen(filter) + 1;
    }
    return joined;
}

}  // namespace

std::wstring TextOfWindow(HWND window)
{
    wchar_t text[1024] = L"";
    SendMessageTimeoutW(window, WM_GETTEXT, ARRAYSIZE(text), reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 1000,
                        nullptr);
    return text;
}

BOOL CALLBACK DialogScript::AnswerFileDialog(LPOPENFILENAMEW request, BOOL save)
{
    if (!armed)
        return FALSE;
    FileRequestSeen seen;
    seen.save = save != FALSE;
    seen.name = request->lpstrFile ? request->lpstrFile : L"";
    seen.filter = FilterText(request->lpstrFilter);
    seen.extension = request->lpstrDefExt ? request->lpstrDefExt : L"";
    armed->requests_.push_back(seen);
    if (armed->path_.empty() || armed->path_.size() + 1 > request->nMaxFile)
        return FALSE;
    lstrcpynW(request->lpstrFile, armed->path_.c_str(), static_cast<int>(request->nMaxFile));
    return TRUE;
}

void DialogScript::Answer(HWND dialog)
{
    if (GetDlgItem(dialog, IDC_BACKUP_BAR)) {
        progressShown_ = true;
        if (whenShown_) {
            RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
            whenShown_(dialog);
        }
        PostMessageW(dialog, WM_COMMAND, static_cast<WPARAM>(progressButton_), 0);
        return;
    }
    SeenBox box;
    box.caption = TextOfWindow(dialog);
    EnumChildWindows(dialog, FirstStaticText, reinterpret_cast<LPARAM>(&box.text));
    boxes_.push_back(box);
    int answer = nextAnswer_ < answers_.size() ? answers_[nextAnswer_++] : IDOK;
    PostMessageW(dialog, WM_COMMAND, static_cast<WPARAM>(answer), 0);
}

void CALLBACK DialogScript::Tick(HWND, UINT, UINT_PTR, DWORD)
{
    if (!armed)
        return;
    std::vector<HWND> shown;
    EnumThreadWindows(GetCurrentThreadId(), CollectDialogs, reinterpret_cast<LPARAM>(&shown));
    // A dialog is answered once; one gone from the screen is forgotten.
    std::erase_if(armed->answered_, [&](HWND window) {
        return std::find(shown.begin(), shown.end(), window) == shown.end();
    });
    for (HWND dialog : shown) {
        if (std::find(armed->answered_.begin(), armed->answered_.end(), dialog) != armed->answered_.end())
            continue;
        armed->answered_.push_back(dialog);
        armed->Answer(dialog);
    }
}

void DialogScript::Arm()
{
    armed = this;
    CeSetFileDialogTestHook(AnswerFileDialog);
    timer_ = SetTimer(nullptr, 0, kTickMs, Tick);
}

void DialogScript::Disarm()
{
    if (timer_)
        KillTimer(nullptr, timer_);
    timer_ = 0;
    CeSetFileDialogTestHook(nullptr);
    if (armed == this)
        armed = nullptr;
}

}  // namespace backuptest
