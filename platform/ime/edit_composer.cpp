// Every edit control created on the thread that loaded the platform gets
// this procedure first, under any subclass its program adds later, so that
// the composer sees keys before the edit does and the edit never sees the
// composition messages the composer sends for the program's sake.
#include "platform/ime/edit_composer.h"

#include "platform/ime/conversion_mode.h"
#include "platform/ime/dubeolsik.h"
#include "platform/ime/hangul_automaton.h"

namespace ime {

namespace {

const wchar_t kNextProcProperty[] = L"Quillon.ComposerNextProc";
constexpr LPARAM kCompositionFlags = GCS_COMPSTR | CS_INSERTCHAR | CS_NOMOVECARET;

// One syllable is composed at a time, in one edit.
struct Composition {
    HWND edit = nullptr;
    DWORD start = 0;   // where the syllable stands in the edit's text
    DWORD length = 0;  // characters it takes there now (0 or 1)
    HangulAutomaton automaton;
};

Composition g_composition;
int g_sending = 0;  // composition messages of ours are on their way

// ---- talking to the edit and its parent ------------------------------------

WNDPROC NextProc(HWND edit)
{
    return reinterpret_cast<WNDPROC>(GetPropW(edit, kNextProcProperty));
}

LRESULT CallEdit(HWND edit, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return CallWindowProcW(NextProc(edit), edit, msg, wParam, lParam);
}

void SendToEdit(HWND edit, UINT msg, WPARAM wParam, LPARAM lParam)
{
    ++g_sending;
    SendMessageW(edit, msg, wParam, lParam);
    --g_sending;
}

void NotifyChange(HWND edit)
{
    HWND parent = GetParent(edit);
    if (parent)
        SendMessageW(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(edit), EN_CHANGE), reinterpret_cast<LPARAM>(edit));
}

// While the syllable changes in the text, the edit's own change notices are
// held back from its parent; the commit sends the one notice.
struct HeldNotices {
    HWND edit = nullptr;
    WNDPROC parentProc = nullptr;
};
HeldNotices g_held;

LRESULT CALLBACK HoldNoticesProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_COMMAND && reinterpret_cast<HWND>(lParam) == g_held.edit) {
        const WORD code = HIWORD(wParam);
        if (code == EN_CHANGE || code == EN_UPDATE || code == EN_MAXTEXT)
            return 0;
    }
    return CallWindowProcW(g_held.parentProc, window, msg, wParam, lParam);
}

// Replaces characters [start, start + length) of the edit's text; false when
// the edit did not take it all (its limit).
bool ReplaceInline(HWND edit, DWORD start, DWORD length, wchar_t syllable)
{
    const wchar_t text[2] = {syllable, L'\0'};
    const LRESULT before = CallEdit(edit, WM_GETTEXTLENGTH, 0, 0);
    HWND parent = GetParent(edit);
    const bool hold = parent && GetWindowThreadProcessId(parent, nullptr) == GetCurrentThreadId();
    if (hold) {
        g_held.edit = edit;
        g_held.parentProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(parent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(HoldNoticesProc)));
    }
    CallEdit(edit, EM_SETSEL, start, start + length);
    CallEdit(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text));
    if (hold && g_held.parentProc)
        SetWindowLongPtrW(parent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_held.parentProc));
    g_held = HeldNotices{};
    const LRESULT after = CallEdit(edit, WM_GETTEXTLENGTH, 0, 0);
    return after == before - static_cast<LRESULT>(length) + (syllable ? 1 : 0);
}

// ---- the composition ----------------------------------------------------------

void EndComposition()
{
    g_composition.edit = nullptr;
    g_composition.length = 0;
    g_composition.automaton.Clear();
}

void SendCommit(HWND edit, wchar_t syllable)
{
    SendToEdit(edit, WM_IME_COMPOSITION, syllable, GCS_RESULTSTR);
    SendToEdit(edit, WM_IME_ENDCOMPOSITION, 0, 0);
    NotifyChange(edit);
}

// Puts the automaton's syllable into the text and tells the edit.
bool ShowSyllable()
{
    Composition& c = g_composition;
    const wchar_t syllable = c.automaton.Current();
    if (!ReplaceInline(c.edit, c.start, c.length, syllable)) {
        HWND edit = c.edit;
        EndComposition();
        MessageBeep(MB_OK);
        SendToEdit(edit, WM_IME_ENDCOMPOSITION, 0, 0);
        NotifyChange(edit);
        return true;
    }
    c.length = 1;
    SendToEdit(c.edit, WM_IME_COMPOSITION, syllable, kCompositionFlags);
    return true;
}

void BeginComposition(HWND edit)
{
    DWORD selStart = 0;
    DWORD selEnd = 0;
    CallEdit(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&selStart), reinterpret_cast<LPARAM>(&selEnd));
    g_composition.edit = edit;
    g_composition.start = selStart;
    g_composition.length = selEnd - selStart;  // a selection gives way to the syllable
    g_composition.automaton.Clear();
    SendToEdit(edit, WM_IME_STARTCOMPOSITION, 0, 0);
}

bool OnJamo(HWND edit, wchar_t jamo)
{
    if (g_composition.edit && g_composition.edit != edit)
        CommitComposition();
    if (!g_composition.edit)
        BeginComposition(edit);
    Composition& c = g_composition;
    const wchar_t done = c.automaton.Feed(jamo);
    if (done) {
        ReplaceInline(edit, c.start, c.length, done);
        c.start += 1;
        c.length = 0;
        SendCommit(edit, done);
        SendToEdit(edit, WM_IME_STARTCOMPOSITION, 0, 0);
    }
    return ShowSyllable();
}

bool OnBackspace(HWND edit)
{
    Composition& c = g_composition;
    if (c.edit != edit || !c.automaton.Backspace())
        return false;
    if (c.automaton.Composing())
        return ShowSyllable();
    ReplaceInline(edit, c.start, c.length, L'\0');
    EndComposition();
    SendToEdit(edit, WM_IME_ENDCOMPOSITION, 0, 0);
    NotifyChange(edit);
    return true;
}

void CommitIn(HWND edit)
{
    if (!g_sending && g_composition.edit == edit)
        CommitComposition();
}

bool TakesHangul(HWND edit)
{
    const LONG style = GetWindowLongW(edit, GWL_STYLE);
    if (style & (ES_READONLY | ES_PASSWORD | ES_NUMBER))
        return false;
    return IsWindowEnabled(edit) && IsHangulMode(edit);
}

bool OnChar(HWND edit, wchar_t typed)
{
    if (g_sending)
        return false;
    if (!TakesHangul(edit)) {
        CommitIn(edit);
        return false;
    }
    if (typed == VK_BACK)
        return OnBackspace(edit);
    const wchar_t jamo = JamoForKey(typed);
    if (!jamo) {
        CommitIn(edit);
        return false;
    }
    return OnJamo(edit, jamo);
}

bool IsCaretKey(WPARAM key)
{
    switch (key) {
    case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN:
    case VK_HOME: case VK_END: case VK_PRIOR: case VK_NEXT: case VK_DELETE:
        return true;
    }
    return false;
}

LRESULT CALLBACK ComposingEditProc(HWND edit, UINT msg, WPARAM wParam, LPARAM lParam)
{
    WNDPROC next = NextProc(edit);
    if (!next)
        return DefWindowProcW(edit, msg, wParam, lParam);
    switch (msg) {
    case WM_CHAR:
        if (OnChar(edit, static_cast<wchar_t>(wParam)))
            return 0;
        break;
    case WM_IME_STARTCOMPOSITION:
    case WM_IME_COMPOSITION:
    case WM_IME_ENDCOMPOSITION:
        if (g_sending)
            return 0;  // ours: the text already shows it
        break;
    case WM_KEYDOWN:
        if (IsCaretKey(wParam))
            CommitIn(edit);
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_KILLFOCUS:
    case WM_SETTEXT:
    case EM_SETSEL:
    case EM_REPLACESEL:
    case WM_CUT:
    case WM_PASTE:
    case WM_CLEAR:
    case WM_UNDO:
    case EM_UNDO:
        CommitIn(edit);
        break;
    case WM_NCDESTROY:
        if (g_composition.edit == edit)
            EndComposition();
        RemovePropW(edit, kNextProcProperty);
        return CallWindowProcW(next, edit, msg, wParam, lParam);
    }
    return CallWindowProcW(next, edit, msg, wParam, lParam);
}

// ---- attaching to every edit ----------------------------------------------------

void AttachIfEdit(HWND window)
{
    wchar_t name[8] = L"";
    if (!GetClassNameW(window, name, ARRAYSIZE(name)) || lstrcmpiW(name, L"Edit") != 0)
        return;
    auto next = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
    if (!next || next == ComposingEditProc || !SetPropW(window, kNextProcProperty, reinterpret_cast<HANDLE>(next)))
        return;
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ComposingEditProc));
}

LRESULT CALLBACK WatchWindowCreation(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND)
        AttachIfEdit(reinterpret_cast<HWND>(wParam));
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void ResetInputForTests()
{
    EndComposition();
    ResetConversionModes();
}

// Installed when the platform is loaded, before any program window exists.
struct CreationWatch {
    CreationWatch()
    {
        hook = SetWindowsHookExW(WH_CBT, WatchWindowCreation, nullptr, GetCurrentThreadId());
        CeRegisterTestReset(ResetInputForTests);
    }
    ~CreationWatch()
    {
        if (hook)
            UnhookWindowsHookEx(hook);
    }
    HHOOK hook = nullptr;
};

CreationWatch g_creationWatch;

}  // namespace

void CommitComposition()
{
    if (!g_composition.edit)
        return;
    HWND edit = g_composition.edit;
    const wchar_t syllable = g_composition.automaton.Commit();
    EndComposition();
    if (syllable)
        SendCommit(edit, syllable);
}

}  // namespace ime
