// A Today item of the tests: it logs everything the Today screen does to it
// ("TestItem <name>: ...") and behaves as its registry key says:
//   "TestFail"    1: ordinal 240 gives no window
//   "TestHeight"  the height it reports (40 when missing)
//   "TestAnswer"  1: the next refresh query reports TestHeight (and clears it)
// The first refresh query always reports the height. Up and down move on;
// every other key is kept.
#include "platform/ce.h"

#include <strsafe.h>

namespace {

constexpr wchar_t kClass[] = L"TestTodayItem";
constexpr DWORD kDefaultHeight = 40;
constexpr COLORREF kNoColour = 0xFFFFFFFF;

HINSTANCE g_module = nullptr;

struct ItemState {
    wchar_t name[MAX_ITEMNAME] = L"";
    const TODAYLISTITEM* record = nullptr;  // the one ordinal 240 was given
    bool heightReported = false;
    COLORREF lastPixel = kNoColour;
    COLORREF lastTextColour = kNoColour;
};

void Log(const ItemState* state, const wchar_t* format, ...)
{
    wchar_t text[512] = L"";
    va_list args;
    va_start(args, format);
    StringCchVPrintfW(text, ARRAYSIZE(text), format, args);
    va_end(args);
    NKDbgPrintfW(L"TestItem %ls: %ls", state ? state->name : L"?", text);
}

DWORD ReadControl(const wchar_t* name, const wchar_t* value, DWORD fallback)
{
    wchar_t key[128];
    StringCchPrintfW(key, ARRAYSIZE(key), L"%ls\\%ls", TODAY_ITEMS_KEY, name);
    DWORD data = 0, size = sizeof(data);
    if (RegGetValueW(HKEY_LOCAL_MACHINE, key, value, RRF_RT_REG_DWORD, nullptr, &data, &size) != ERROR_SUCCESS)
        return fallback;
    return data;
}

void ClearControl(const wchar_t* name, const wchar_t* value)
{
    wchar_t key[128];
    StringCchPrintfW(key, ARRAYSIZE(key), L"%ls\\%ls", TODAY_ITEMS_KEY, name);
    DWORD zero = 0;
    RegSetKeyValueW(HKEY_LOCAL_MACHINE, key, value, REG_DWORD, &zero, sizeof(zero));
}

LRESULT OnQuery(ItemState* state, TODAYLISTITEM* record)
{
    if (!record)
        return 0;
    bool asked = ReadControl(state->name, L"TestAnswer", 0) == 1;
    if (state->heightReported && !asked)
        return 0;
    if (asked)
        ClearControl(state->name, L"TestAnswer");
    state->heightReported = true;
    record->cyp = ReadControl(state->name, L"TestHeight", kDefaultHeight);
    Log(state, L"query answered 1 cyp=%lu record %ls", record->cyp, record == state->record ? L"kept" : L"new");
    return 1;
}

// Paints through a memory bitmap as the real item does: the Today screen's
// background first (its watermark), then the name in its text colour.
void OnPaint(HWND hwnd, ItemState* state)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd, &paint);
    RECT client;
    GetClientRect(hwnd, &client);
    if (client.right > 0 && client.bottom > 0) {
        HDC memory = CreateCompatibleDC(dc);
        HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
        HGDIOBJ old = SelectObject(memory, bitmap);
        TODAYDRAWWATERMARKINFO info = {memory, client, hwnd};
        SendMessageW(GetParent(hwnd), TODAYM_DRAWWATERMARK, 0, reinterpret_cast<LPARAM>(&info));
        COLORREF pixel = GetPixel(memory, client.right / 2, client.bottom - 1);
        if (pixel != state->lastPixel) {
            state->lastPixel = pixel;
            Log(state, L"watermark pixel %06lX", pixel);
        }
        auto text = static_cast<COLORREF>(SendMessageW(GetParent(hwnd), TODAYM_GETCOLOR, TODAYCOLOR_TEXT, 0));
        if (text != state->lastTextColour) {
            state->lastTextColour = text;
            Log(state, L"text colour %06lX", text);
        }
        SetTextColor(memory, text);
        SetBkMode(memory, TRANSPARENT);
        SelectObject(memory, GetStockObject(DEFAULT_GUI_FONT));
        DrawTextW(memory, state->name, -1, &client, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
        FrameRect(memory, &client, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
        BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
        SelectObject(memory, old);
        DeleteObject(bitmap);
        DeleteDC(memory);
    }
    EndPaint(hwnd, &paint);
}

LRESULT CALLBACK ItemWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* state = reinterpret_cast<ItemState*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    switch (msg) {
    case WM_CREATE:
        SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
        return 0;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: OnPaint(hwnd, state); return 0;
    case WM_SIZE: Log(state, L"size %dx%d", LOWORD(lParam), HIWORD(lParam)); return 0;
    case WM_TODAYCUSTOM_QUERYREFRESHCACHE: return OnQuery(state, reinterpret_cast<TODAYLISTITEM*>(wParam));
    case WM_TODAYCUSTOM_RECEIVEDSELECTION: Log(state, L"selection key=%u", static_cast<UINT>(wParam)); return 1;
    case WM_TODAYCUSTOM_LOSTSELECTION: Log(state, L"lost selection"); return 0;
    case WM_TODAYCUSTOM_USERNAVIGATION: {
        LRESULT kept = wParam == VK_UP || wParam == VK_DOWN ? 0 : 1;
        Log(state, L"navigation key=%u answered %d", static_cast<UINT>(wParam), static_cast<int>(kept));
        return kept;
    }
    case WM_TODAYCUSTOM_ACTION: Log(state, L"action"); return 0;
    case WM_TODAYCUSTOM_CLEARCACHE: Log(state, L"clear cache"); return 0;
    case WM_NCDESTROY: delete state; return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

const wchar_t* ClassOf(HWND window, wchar_t* name, int chars)
{
    name[0] = 0;
    GetClassNameW(window, name, chars);
    return name;
}

}  // namespace

extern "C" HWND WINAPI InitializeCustomItem(TODAYLISTITEM* item, HWND parent)
{
    auto* state = new ItemState;
    StringCchCopyW(state->name, MAX_ITEMNAME, item->szName);
    state->record = item;
    wchar_t parentClass[64];
    Log(state, L"init type=%d enabled=%d options=%d dll=%ls cyp=%lu window=%d own instance=%d parent=%ls",
        static_cast<int>(item->tlit), item->fEnabled, item->fOptions, item->szDLLPath, item->cyp,
        item->hwndCustom != nullptr, item->hinstDLL == g_module, ClassOf(parent, parentClass, 64));
    if (ReadControl(state->name, L"TestFail", 0) == 1) {
        Log(state, L"failing");
        delete state;
        return nullptr;
    }
    HWND window = CreateWindowExW(0, kClass, state->name, WS_CHILD | WS_VISIBLE, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                                  0, parent, nullptr, g_module, state);
    if (!window)
        delete state;
    return window;
}

extern "C" BOOL WINAPI CustomItemOptionsDlgProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM)
{
    switch (msg) {
    case WM_INITDIALOG: NKDbgPrintfW(L"TestItem options: open"); return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            NKDbgPrintfW(L"TestItem options: closed by %u", LOWORD(wParam));
            EndDialog(dialog, 7);
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        g_module = instance;
        WNDCLASSW wc = {};
        wc.lpfnWndProc = ItemWndProc;
        wc.hInstance = instance;
        wc.lpszClassName = kClass;
        RegisterClassW(&wc);
    } else if (reason == DLL_PROCESS_DETACH) {
        wchar_t path[MAX_PATH] = L"";
        GetModuleFileNameW(instance, path, MAX_PATH);
        const wchar_t* name = wcsrchr(path, L'\\');
        NKDbgPrintfW(L"TestItem module %ls: detached", name ? name + 1 : path);
        UnregisterClassW(kClass, instance);
    }
    return TRUE;
}
