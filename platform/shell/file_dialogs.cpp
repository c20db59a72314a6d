// The device's open and save dialogs: one full-screen dialog, made from a
// template in memory, whose controls are laid out for the 240-pixel screen.
#include "platform/shell/state.h"

#include <commctrl.h>
#include <strsafe.h>

#include <string>
#include <vector>

#undef FindClose

namespace {

constexpr wchar_t kMyDocuments[] = L"\\My Documents";
constexpr wchar_t kAllFolders[] = L"모든 폴더";
constexpr wchar_t kNoFolder[] = L"없음";
constexpr wchar_t kMainMemory[] = L"주 메모리";
constexpr wchar_t kOpenTitle[] = L"열기";
constexpr wchar_t kSaveTitle[] = L"다른 이름으로 저장";
constexpr int kMargin = 4;
constexpr int kLabelWidth = 40;
constexpr int kRowHeight = 22;
constexpr int kRowGap = 4;
constexpr int kButtonWidth = 56;
constexpr int kDropListHeight = 160;
constexpr DWORD kDropList = CBS_DROPDOWNLIST | WS_VSCROLL;

CeFileDialogTestHook g_testHook = nullptr;

void ResetFileDialogs()
{
    g_testHook = nullptr;
}

const bool g_resetRegistered = (CeRegisterTestReset(&ResetFileDialogs), true);

struct FileType {
    std::wstring name;
    std::vector<std::wstring> patterns;  // "*.qnb"
};

struct Place {
    std::wstring label;  // shown
    std::wstring path;   // rooted, no trailing backslash
};

struct FileRow {
    std::wstring name;
    std::wstring folder;  // the folder's label
    std::wstring path;
    FILETIME written;
};

struct DialogState {
    LPOPENFILENAMEW request;
    bool save;
    std::vector<FileType> types;
    std::vector<Place> locations;  // save: main memory and the cards
    std::vector<Place> folders;    // open: every folder; save: those of the location
    std::vector<FileRow> files;
    HFONT font;
};

std::vector<FileType> ReadFilter(LPCWSTR filter)
{
    std::vector<FileType> types;
    while (filter && *filter) {
        FileType type;
        type.name = filter;
        filter += type.name.size() + 1;
        if (!*filter)
            break;
        std::wstring patterns = filter;
        filter += patterns.size() + 1;
        size_t start = 0;
        while (start <= patterns.size()) {
            size_t end = patterns.find(L';', start);
            std::wstring one = patterns.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start);
            if (!one.empty())
                type.patterns.push_back(one);
            if (end == std::wstring::npos)
                break;
            start = end + 1;
        }
        types.push_back(type);
    }
    if (types.empty())
        types.push_back(FileType{L"*.*", {L"*.*"}});
    return types;
}

// Each card's rooted folder.
std::vector<Place> Cards()
{
    std::vector<Place> cards;
    WIN32_FIND_DATAW card = {};
    HANDLE find = FindFirstFlashCard(&card);
    if (find == INVALID_HANDLE_VALUE)
        return cards;
    do {
        std::wstring path = card.cFileName;
        cards.push_back(Place{path.substr(path.find_first_not_of(L'\\')), path});
    } while (FindNextFlashCard(find, &card));
    CeFindClose(find);
    return cards;
}

std::vector<Place> SubfoldersOf(const std::wstring& root, const std::wstring& labelPrefix)
{
    std::vector<Place> folders;
    WIN32_FIND_DATAW entry = {};
    HANDLE find = CeFindFirstFileW((root + L"\\*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE)
        return folders;
    do {
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            folders.push_back(Place{labelPrefix + entry.cFileName, root + L"\\" + entry.cFileName});
    } while (CeFindNextFileW(find, &entry));
    CeFindClose(find);
    return folders;
}

// Where an open dialog looks: My Documents, its folders, the cards.
std::vector<Place> OpenFolders()
{
    std::vector<Place> folders = {Place{L"My Documents", kMyDocuments}};
    for (const Place& folder : SubfoldersOf(kMyDocuments, L""))
        folders.push_back(folder);
    for (const Place& card : Cards())
        folders.push_back(card);
    return folders;
}

void ListFiles(const Place& folder, const FileType& type, std::vector<FileRow>* rows)
{
    for (const std::wstring& pattern : type.patterns) {
        WIN32_FIND_DATAW entry = {};
        HANDLE find = CeFindFirstFileW((folder.path + L"\\" + pattern).c_str(), &entry);
        if (find == INVALID_HANDLE_VALUE)
            continue;
        do {
            if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                rows->push_back(FileRow{entry.cFileName, folder.label, folder.path + L"\\" + entry.cFileName,
                                        entry.ftLastWriteTime});
        } while (CeFindNextFileW(find, &entry));
        CeFindClose(find);
    }
}

int Chosen(HWND dialog, int control)
{
    LRESULT index = SendDlgItemMessageW(dialog, control, CB_GETCURSEL, 0, 0);
    return index == CB_ERR ? 0 : static_cast<int>(index);
}

void FillCombo(HWND dialog, int control, const std::vector<std::wstring>& texts, int chosen)
{
    HWND combo = GetDlgItem(dialog, control);
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    for (const std::wstring& text : texts)
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(chosen), 0);
}

std::wstring DateText(const FILETIME& written)
{
    FILETIME local = {};
    SYSTEMTIME time = {};
    FileTimeToLocalFileTime(&written, &local);
    FileTimeToSystemTime(&local, &time);
    wchar_t text[16];
    StringCchPrintfW(text, ARRAYSIZE(text), L"%02u-%02u-%02u", time.wYear % 100, time.wMonth, time.wDay);
    return text;
}

void RefillFiles(HWND dialog, DialogState& state)
{
    state.files.clear();
    int folder = Chosen(dialog, CE_FILE_DIALOG_FOLDER);  // 0: every folder
    const FileType& type = state.types[static_cast<size_t>(Chosen(dialog, CE_FILE_DIALOG_TYPE))];
    for (size_t i = 0; i < state.folders.size(); ++i) {
        if (folder == 0 || static_cast<size_t>(folder) == i + 1)
            ListFiles(state.folders[i], type, &state.files);
    }
    HWND list = GetDlgItem(dialog, CE_FILE_DIALOG_FILES);
    ListView_DeleteAllItems(list);
    for (size_t i = 0; i < state.files.size(); ++i) {
        const FileRow& row = state.files[i];
        LVITEMW item = {};
        item.mask = LVIF_TEXT;
        item.iItem = static_cast<int>(i);
        item.pszText = const_cast<LPWSTR>(row.name.c_str());
        int at = ListView_InsertItem(list, &item);
        ListView_SetItemText(list, at, 1, const_cast<LPWSTR>(row.folder.c_str()));
        std::wstring date = DateText(row.written);
        ListView_SetItemText(list, at, 2, date.data());
    }
    if (!state.files.empty())
        ListView_SetItemState(list, 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void RefillSaveFolders(HWND dialog, DialogState& state)
{
    const Place& location = state.locations[static_cast<size_t>(Chosen(dialog, CE_FILE_DIALOG_LOCATION))];
    state.folders = SubfoldersOf(location.path, L"");
    std::vector<std::wstring> labels = {kNoFolder};
    for (const Place& folder : state.folders)
        labels.push_back(folder.label);
    FillCombo(dialog, CE_FILE_DIALOG_FOLDER, labels, 0);
}

HWND AddControl(HWND dialog, const DialogState& state, LPCWSTR cls, LPCWSTR text, DWORD style, RECT place, int id)
{
    HWND control = ::CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, place.left, place.top,
                                     place.right - place.left, place.bottom - place.top, dialog,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), shell::PlatformModule(),
                                     nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(state.font), FALSE);
    return control;
}

// One labelled row at y: a label and a control beside it; the next row's y.
// A drop list is given the height of its open list.
int AddRow(HWND dialog, const DialogState& state, int width, int y, LPCWSTR label, LPCWSTR cls, DWORD style, int id)
{
    AddControl(dialog, state, WC_STATICW, label, SS_LEFT, RECT{kMargin, y + 3, kMargin + kLabelWidth, y + kRowHeight}, -1);
    int height = (style & CBS_DROPDOWNLIST) == CBS_DROPDOWNLIST ? kDropListHeight : kRowHeight;
    AddControl(dialog, state, cls, L"", style | WS_TABSTOP,
               RECT{kMargin + kLabelWidth, y, width - kMargin, y + height}, id);
    return y + kRowHeight + kRowGap;
}

void BuildOpen(HWND dialog, DialogState& state, int width, int height)
{
    int y = AddRow(dialog, state, width, kMargin, L"폴더:", WC_COMBOBOXW, kDropList, CE_FILE_DIALOG_FOLDER);
    y = AddRow(dialog, state, width, y, L"형식:", WC_COMBOBOXW, kDropList, CE_FILE_DIALOG_TYPE);
    int listBottom = height - kMargin - kRowHeight - kRowGap;
    HWND list = AddControl(dialog, state, WC_LISTVIEWW, L"", LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP,
                           RECT{kMargin, y, width - kMargin, listBottom}, CE_FILE_DIALOG_FILES);
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
    const struct { LPCWSTR title; int width; } columns[] = {{L"이름", 100}, {L"폴더", 64}, {L"날짜", 60}};
    for (int i = 0; i < 3; ++i) {
        LVCOLUMNW column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = const_cast<LPWSTR>(columns[i].title);
        column.cx = columns[i].width;
        ListView_InsertColumn(list, i, &column);
    }
    state.folders = OpenFolders();
    std::vector<std::wstring> labels = {kAllFolders};
    for (const Place& folder : state.folders)
        labels.push_back(folder.label);
    FillCombo(dialog, CE_FILE_DIALOG_FOLDER, labels, 0);
}

void BuildSave(HWND dialog, DialogState& state, int width)
{
    int y = AddRow(dialog, state, width, kMargin, L"이름:", WC_EDITW, ES_AUTOHSCROLL | WS_BORDER, CE_FILE_DIALOG_NAME);
    y = AddRow(dialog, state, width, y, L"폴더:", WC_COMBOBOXW, kDropList, CE_FILE_DIALOG_FOLDER);
    y = AddRow(dialog, state, width, y, L"형식:", WC_COMBOBOXW, kDropList, CE_FILE_DIALOG_TYPE);
    AddRow(dialog, state, width, y, L"위치:", WC_COMBOBOXW, kDropList, CE_FILE_DIALOG_LOCATION);
    SetDlgItemTextW(dialog, CE_FILE_DIALOG_NAME, state.request->lpstrFile ? state.request->lpstrFile : L"");
    state.locations = {Place{kMainMemory, kMyDocuments}};
    for (const Place& card : Cards())
        state.locations.push_back(card);
    std::vector<std::wstring> labels;
    for (const Place& location : state.locations)
        labels.push_back(location.label);
    FillCombo(dialog, CE_FILE_DIALOG_LOCATION, labels, 0);
    RefillSaveFolders(dialog, state);
}

void OnInit(HWND dialog, DialogState& state)
{
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(&state));
    LPCWSTR title = state.request->lpstrTitle ? state.request->lpstrTitle : state.save ? kSaveTitle : kOpenTitle;
    SetWindowTextW(dialog, title);
    SHINITDLGINFO info = {SHIDIM_FLAGS, dialog, SHIDIF_DONEBUTTON | SHIDIF_SIZEDLGFULLSCREEN | SHIDIF_SIPDOWN};
    SHInitDialog(&info);
    RECT client = {};
    GetClientRect(dialog, &client);
    if (state.save)
        BuildSave(dialog, state, client.right);
    else
        BuildOpen(dialog, state, client.right, client.bottom);
    std::vector<std::wstring> names;
    for (const FileType& type : state.types)
        names.push_back(type.name);
    DWORD index = state.request->nFilterIndex;
    FillCombo(dialog, CE_FILE_DIALOG_TYPE, names, index >= 1 && index <= names.size() ? static_cast<int>(index - 1) : 0);
    int buttonTop = client.bottom - kMargin - kRowHeight;
    AddControl(dialog, state, WC_BUTTONW, state.save ? L"저장" : L"확인", BS_DEFPUSHBUTTON | WS_TABSTOP,
               RECT{client.right - 2 * (kButtonWidth + kMargin), buttonTop, client.right - kButtonWidth - 2 * kMargin,
                    client.bottom - kMargin},
               IDOK);
    AddControl(dialog, state, WC_BUTTONW, L"취소", BS_PUSHBUTTON | WS_TABSTOP,
               RECT{client.right - kButtonWidth - kMargin, buttonTop, client.right - kMargin, client.bottom - kMargin},
               IDCANCEL);
    if (!state.save)
        RefillFiles(dialog, state);
    SetFocus(GetDlgItem(dialog, state.save ? CE_FILE_DIALOG_NAME : CE_FILE_DIALOG_FILES));
}

bool HasExtension(const std::wstring& name)
{
    size_t dot = name.rfind(L'.');
    return dot != std::wstring::npos && dot + 1 < name.size();
}

// The extension a saved name without one gets: the default, else the
// chosen type's first pattern's when it names one.
std::wstring ExtensionFor(const DialogState& state, int type)
{
    if (state.request->lpstrDefExt && *state.request->lpstrDefExt)
        return state.request->lpstrDefExt;
    const std::vector<std::wstring>& patterns = state.types[static_cast<size_t>(type)].patterns;
    if (!patterns.empty() && patterns[0].rfind(L"*.", 0) == 0 && patterns[0].find_first_of(L"*?", 2) == std::wstring::npos)
        return patterns[0].substr(2);
    return std::wstring();
}

std::wstring SavePath(HWND dialog, const DialogState& state)
{
    wchar_t name[MAX_PATH] = L"";
    GetDlgItemTextW(dialog, CE_FILE_DIALOG_NAME, name, MAX_PATH);
    std::wstring file = name;
    file.erase(0, file.find_first_not_of(L' '));
    file.erase(file.find_last_not_of(L' ') + 1);
    if (file.empty() || file.find_first_of(L"\\/:*?\"<>|") != std::wstring::npos)
        return std::wstring();
    std::wstring path = state.locations[static_cast<size_t>(Chosen(dialog, CE_FILE_DIALOG_LOCATION))].path;
    int folder = Chosen(dialog, CE_FILE_DIALOG_FOLDER);
    if (folder > 0)
        path = state.folders[static_cast<size_t>(folder - 1)].path;
    std::wstring extension = ExtensionFor(state, Chosen(dialog, CE_FILE_DIALOG_TYPE));
    if (!HasExtension(file) && !extension.empty())
        file += L"." + extension;
    return path + L"\\" + file;
}

std::wstring OpenPath(HWND dialog, const DialogState& state)
{
    int selected = ListView_GetNextItem(GetDlgItem(dialog, CE_FILE_DIALOG_FILES), -1, LVNI_SELECTED);
    return selected < 0 || static_cast<size_t>(selected) >= state.files.size() ? std::wstring()
                                                                                : state.files[static_cast<size_t>(selected)].path;
}

// Fills the request with the path; false when it does not fit.
bool Answer(LPOPENFILENAMEW request, const std::wstring& path, DWORD filterIndex)
{
    if (!request->lpstrFile || path.size() + 1 > request->nMaxFile)
        return false;
    StringCchCopyW(request->lpstrFile, request->nMaxFile, path.c_str());
    size_t slash = path.rfind(L'\\');
    size_t offset = slash == std::wstring::npos ? 0 : slash + 1;
    size_t dot = path.rfind(L'.');
    request->nFileOffset = static_cast<WORD>(offset);
    request->nFileExtension = static_cast<WORD>(dot == std::wstring::npos || dot < offset ? path.size() : dot + 1);
    request->nFilterIndex = filterIndex;
    return true;
}

void OnOk(HWND dialog, DialogState& state)
{
    std::wstring path = state.save ? SavePath(dialog, state) : OpenPath(dialog, state);
    if (path.empty()) {
        MessageBeep(MB_ICONEXCLAMATION);
        if (state.save)
            SetFocus(GetDlgItem(dialog, CE_FILE_DIALOG_NAME));
        return;
    }
    bool fits = Answer(state.request, path, static_cast<DWORD>(Chosen(dialog, CE_FILE_DIALOG_TYPE) + 1));
    EndDialog(dialog, fits ? IDOK : IDCANCEL);
}

void OnCommand(HWND dialog, DialogState& state, int id, int code)
{
    switch (id) {
    case IDOK: OnOk(dialog, state); break;
    case IDCANCEL: EndDialog(dialog, IDCANCEL); break;
    case CE_FILE_DIALOG_FOLDER:
    case CE_FILE_DIALOG_TYPE:
        if (code == CBN_SELCHANGE && !state.save)
            RefillFiles(dialog, state);
        break;
    case CE_FILE_DIALOG_LOCATION:
        if (code == CBN_SELCHANGE)
            RefillSaveFolders(dialog, state);
        break;
    }
}

INT_PTR CALLBACK FileDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* state = reinterpret_cast<DialogState*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (msg) {
    case WM_INITDIALOG:
        OnInit(dialog, *reinterpret_cast<DialogState*>(lParam));
        return FALSE;
    case WM_COMMAND:
        if (state)
            OnCommand(dialog, *state, LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_NOTIFY: {
        const auto* notice = reinterpret_cast<const NMHDR*>(lParam);
        if (state && notice->idFrom == CE_FILE_DIALOG_FILES && (notice->code == NM_DBLCLK || notice->code == NM_RETURN))
            OnOk(dialog, *state);
        return TRUE;
    }
    }
    return FALSE;
}

LRESULT CALLBACK FileDialogClassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return DefDlgProcW(window, msg, wParam, lParam);
}

bool RegisterDialogClass()
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = FileDialogClassProc;
    wc.cbWndExtra = DLGWINDOWEXTRA;
    wc.hInstance = shell::PlatformModule();
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = CE_FILE_DIALOG_CLASS;
    return RegisterClassW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// A dialog template without controls, of the dialog's own class.
std::vector<WORD> DialogTemplate()
{
    std::vector<WORD> words(sizeof(DLGTEMPLATE) / sizeof(WORD), 0);
    auto* head = reinterpret_cast<DLGTEMPLATE*>(words.data());
    head->style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    head->cx = 160;
    head->cy = 196;
    words.push_back(0);  // no menu
    for (const wchar_t* c = CE_FILE_DIALOG_CLASS; *c; ++c)
        words.push_back(static_cast<WORD>(*c));
    words.push_back(0);
    words.push_back(0);  // no title: set at its start
    return words;
}

HFONT DialogFont()
{
    LOGFONTW font = {};
    font.lfHeight = -12;
    font.lfCharSet = HANGUL_CHARSET;
    StringCchCopyW(font.lfFaceName, LF_FACESIZE, L"굴림체");
    return CeCreateFontIndirectW(&font);
}

BOOL RunFileDialog(LPOPENFILENAMEW request, bool save)
{
    if (!request || request->lStructSize < OPENFILENAME_SIZE_VERSION_400W) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (g_testHook)
        return g_testHook(request, save ? TRUE : FALSE);
    if (!RegisterDialogClass())
        return FALSE;
    DialogState state = {};
    state.request = request;
    state.save = save;
    state.types = ReadFilter(request->lpstrFilter);
    state.font = DialogFont();
    std::vector<WORD> form = DialogTemplate();
    INT_PTR result = DialogBoxIndirectParamW(shell::PlatformModule(), reinterpret_cast<LPCDLGTEMPLATEW>(form.data()),
                                             request->hwndOwner, FileDialogProc, reinterpret_cast<LPARAM>(&state));
    if (state.font)
        DeleteObject(state.font);
    return result == IDOK;
}

}  // namespace

CEAPI BOOL WINAPI CeGetOpenFileNameW(LPOPENFILENAMEW request)
{
    return RunFileDialog(request, false);
}

CEAPI BOOL WINAPI CeGetSaveFileNameW(LPOPENFILENAMEW request)
{
    return RunFileDialog(request, true);
}

CEAPI void WINAPI CeSetFileDialogTestHook(CeFileDialogTestHook hook)
{
    g_testHook = hook;
}
