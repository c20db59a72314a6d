// Stand-in for the device's own item forms: reads the item, records what it
// was asked to show as one line (its command line, UTF-8) in
// "\Windows\PimForm.log", then shows the item's main fields, read-only,
// over the whole work area, until OK. A new item (id 0) shows an empty form.
// The object model's Display starts it.
#include "platform/outlook/item_form/item_fields.h"

#include <strsafe.h>

namespace {

const wchar_t kRecordFile[] = L"\\Windows\\PimForm.log";
const wchar_t kFormClass[] = L"PimForm";

constexpr int kMargin = 4;
constexpr int kLabelWidth = 64;
constexpr int kRowHeight = 22;
constexpr int kFieldHeight = 20;
constexpr int kButtonWidth = 64;
constexpr int kButtonHeight = 22;
constexpr int kFontHeight = -12;
constexpr int kFirstFieldId = 100;

HFONT g_font = nullptr;

bool AppendLine(const wchar_t* text)
{
    int bytes = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0)
        return false;
    char* line = static_cast<char*>(LocalAlloc(LPTR, static_cast<size_t>(bytes) + 2));
    if (!line)
        return false;
    WideCharToMultiByte(CP_UTF8, 0, text, -1, line, bytes, nullptr, nullptr);
    line[bytes - 1] = '\r';
    line[bytes] = '\n';
    HANDLE file = CreateFileW(kRecordFile, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    bool ok = false;
    if (file != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        ok = WriteFile(file, line, static_cast<DWORD>(bytes) + 1, &written, nullptr) != FALSE;
        CloseHandle(file);
    }
    LocalFree(line);
    return ok;
}

HWND AddControl(HWND form, const wchar_t* cls, const wchar_t* text, DWORD style, RECT r, int id)
{
    HWND control = CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.right - r.left,
                                   r.bottom - r.top, form, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   GetModuleHandleW(nullptr), nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(g_font), FALSE);
    return control;
}

// One row per field: its label, then its text in a read-only edit.
void AddFields(HWND form, const std::vector<pimform::Field>& fields)
{
    RECT client;
    GetClientRect(form, &client);
    int y = kMargin;
    for (size_t i = 0; i < fields.size(); ++i) {
        AddControl(form, L"STATIC", fields[i].label, SS_LEFT | SS_CENTERIMAGE,
                   RECT{kMargin, y, kMargin + kLabelWidth, y + kFieldHeight}, -1);
        AddControl(form, L"EDIT", fields[i].text.c_str(), WS_BORDER | ES_READONLY | ES_AUTOHSCROLL,
                   RECT{kMargin + kLabelWidth, y, client.right - kMargin, y + kFieldHeight},
                   kFirstFieldId + static_cast<int>(i));
        y += kRowHeight;
    }
    int left = (client.right - kButtonWidth) / 2;
    HWND ok = AddControl(form, L"BUTTON", L"확인", BS_DEFPUSHBUTTON,
                         RECT{left, client.bottom - kMargin - kButtonHeight, left + kButtonWidth,
                              client.bottom - kMargin},
                         IDOK);
    SetFocus(ok);
}

LRESULT CALLBACK FormWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            DestroyWindow(hwnd);
            return 0;
        }
        break;
    case WM_CTLCOLORSTATIC: return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
    case WM_DESTROY: PostQuitMessage(0); return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

HWND CreateForm(HINSTANCE instance, pimform::Kind kind, const std::vector<pimform::Field>& fields)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = FormWndProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = kFormClass;
    if (!RegisterClassW(&wc))
        return nullptr;
    LOGFONTW font = {};
    font.lfHeight = kFontHeight;
    font.lfCharSet = HANGUL_CHARSET;
    StringCchCopyW(font.lfFaceName, LF_FACESIZE, L"굴림");
    g_font = CreateFontIndirectW(&font);
    // A frameless top-level window: the device gives it the work area.
    HWND form = CreateWindowExW(0, kFormClass, pimform::KindCaption(kind), WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
    if (form)
        AddFields(form, fields);
    return form;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR commandLine, int)
{
    // The item is read (and the store let go of) before the request is
    // recorded: whoever waits for the record finds the store free again.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    pimform::FormRequest request = pimform::ParseRequest(GetCommandLineW());
    std::vector<pimform::Field> fields = pimform::ReadItemFields(request);
    if (!AppendLine(commandLine)) {
        CoUninitialize();
        return 1;
    }
    HWND form = CreateForm(instance, request.kind, fields);
    if (!form) {
        CoUninitialize();
        return 1;
    }
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (IsDialogMessageW(form, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    DeleteObject(g_font);
    CoUninitialize();
    return 0;
}
