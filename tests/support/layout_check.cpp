#include "tests/support/layout_check.h"

#include "tests/support/testkit.h"

#include <commctrl.h>

#include <algorithm>

namespace layout {

HWND ControlOf(HWND dialog, const ControlBox& box)
{
    // The id alone may repeat across a sheet's pages: the one at the place.
    struct Find {
        const ControlBox* box;
        HWND found;
    } find = {&box, nullptr};
    EnumChildWindows(
        dialog,
        [](HWND child, LPARAM param) -> BOOL {
            auto* f = reinterpret_cast<Find*>(param);
            RECT rect = {};
            GetWindowRect(child, &rect);
            if (GetDlgCtrlID(child) == f->box->id && EqualRect(&rect, &f->box->rect) && IsWindowVisible(child)) {
                f->found = child;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&find));
    return find.found;
}

namespace {

constexpr int kTopBarHeight = 26;
// Room a control keeps around its text: the box of a check box or radio
// button and its gap, a push button's edge, an edit's margins.
constexpr int kCheckRoom = 17;
constexpr int kGroupRoom = 16;
constexpr int kButtonRoom = 4;
constexpr int kEditRoom = 4;
constexpr int kFieldRoom = 6;
// A date or time picker's fields start this far in from its edge.
constexpr int kPickerInset = 3;

std::wstring ClassOf(HWND window)
{
    wchar_t name[64] = L"";
    GetClassNameW(window, name, 64);
    return name;
}

bool IsDialogWindow(HWND window)
{
    return ClassOf(window) == L"#32770";
}

std::wstring WithoutPrefix(const std::wstring& text)
{
    std::wstring plain;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&' && i + 1 < text.size())
            ++i;
        plain += text[i];
    }
    return plain;
}

struct Collect {
    HWND dialog;
    std::vector<ControlBox>* boxes;
};

BOOL CALLBACK CollectChild(HWND child, LPARAM param)
{
    auto* collect = reinterpret_cast<Collect*>(param);
    HWND parent = GetParent(child);
    // Controls of the dialog and of its pages; not the parts inside a control.
    if (parent != collect->dialog && !IsDialogWindow(parent))
        return TRUE;
    if (IsDialogWindow(child) || !IsWindowVisible(child))
        return TRUE;
    RECT rect = {};
    GetWindowRect(child, &rect);
    if (rect.right <= rect.left || rect.bottom <= rect.top)
        return TRUE;
    collect->boxes->push_back({GetDlgCtrlID(child), ClassOf(child), rect});
    return TRUE;
}

bool IsGroupBox(HWND control)
{
    return ClassOf(control) == L"Button" && (GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

bool Contains(const RECT& outer, const RECT& inner)
{
    return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
           inner.bottom <= outer.bottom;
}

std::wstring Describe(const std::wstring& name, const ControlBox& box)
{
    wchar_t text[160];
    _snwprintf(text, 160, L"%ls: control %d (%ls) at %ld,%ld-%ld,%ld", name.c_str(), box.id, box.cls.c_str(),
               box.rect.left, box.rect.top, box.rect.right, box.rect.bottom);
    return text;
}

// The width a control leaves for its text, and the text; no text when the
// control shows none of its own (pictures, owner-drawn faces, lists).
struct TextRoom {
    std::vector<std::wstring> texts;
    int room = 0;
    bool wraps = false;
    int height = 0;
};

TextRoom RoomOf(HWND control)
{
    TextRoom room;
    RECT client = {};
    GetClientRect(control, &client);
    room.room = client.right;
    room.height = client.bottom;
    const std::wstring cls = ClassOf(control);
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    if (_wcsicmp(cls.c_str(), L"Static") == 0) {
        const LONG kind = style & SS_TYPEMASK;
        if (kind == SS_BITMAP || kind == SS_ICON || kind == SS_OWNERDRAW || (kind >= SS_BLACKRECT && kind <= SS_WHITEFRAME))
            return room;
        room.wraps = kind == SS_LEFT || kind == SS_CENTER || kind == SS_RIGHT;
        room.texts.push_back(WithoutPrefix(testkit::WindowText(control)));
    } else if (_wcsicmp(cls.c_str(), L"Button") == 0) {
        const LONG kind = style & BS_TYPEMASK;
        if (kind == BS_OWNERDRAW)
            return room;
        if (kind == BS_GROUPBOX)
            room.room -= kGroupRoom;
        else if ((kind == BS_CHECKBOX || kind == BS_AUTOCHECKBOX || kind == BS_RADIOBUTTON ||
                  kind == BS_AUTORADIOBUTTON || kind == BS_3STATE || kind == BS_AUTO3STATE) &&
                 !(style & BS_PUSHLIKE))
            room.room -= kCheckRoom;
        else
            room.room -= kButtonRoom;
        room.texts.push_back(WithoutPrefix(testkit::WindowText(control)));
    } else if (_wcsicmp(cls.c_str(), L"ComboBox") == 0) {
        room.room -= GetSystemMetrics(SM_CXVSCROLL) + kFieldRoom;
        const int count = static_cast<int>(SendMessageW(control, CB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            wchar_t item[256] = L"";
            if (SendMessageW(control, CB_GETLBTEXTLEN, i, 0) < 255)
                SendMessageW(control, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
            room.texts.push_back(item);
        }
        room.texts.push_back(testkit::WindowText(control));
    } else if (_wcsicmp(cls.c_str(), DATETIMEPICK_CLASSW) == 0) {
        room.room -= GetSystemMetrics(SM_CXVSCROLL) + kPickerInset;
        room.texts.push_back(testkit::WindowText(control));
    } else if (_wcsicmp(cls.c_str(), L"Edit") == 0 && !(style & ES_MULTILINE)) {
        room.room -= kEditRoom;
        room.texts.push_back(testkit::WindowText(control));
    }
    return room;
}

}  // namespace

std::string Utf8(const std::wstring& text)
{
    int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(), size, nullptr, nullptr);
    return out;
}

int TextWidth(HWND control, const std::wstring& text)
{
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    int widest = 0;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(L'\n', start);
        if (end == std::wstring::npos)
            end = text.size();
        SIZE size = {};
        GetTextExtentPoint32W(dc, text.c_str() + start, static_cast<int>(end - start), &size);
        widest = std::max<int>(widest, size.cx);
        start = end + 1;
    }
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return widest;
}

namespace {

// The height a wrapping text takes at the width.
int WrappedHeight(HWND control, const std::wstring& text, int width)
{
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    RECT calc = {0, 0, width, 0};
    DrawTextW(dc, text.c_str(), -1, &calc, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return calc.bottom;
}

}  // namespace

std::vector<ControlBox> VisibleControls(HWND dialog)
{
    std::vector<ControlBox> boxes;
    Collect collect = {dialog, &boxes};
    EnumChildWindows(dialog, CollectChild, reinterpret_cast<LPARAM>(&collect));
    return boxes;
}

std::vector<std::wstring> Breaches(HWND dialog, const std::wstring& name, const Rules& rules)
{
    std::vector<std::wstring> found;
    const std::vector<ControlBox> boxes = VisibleControls(dialog);
    if (boxes.empty())
        found.push_back(name + L": no visible control");
    for (size_t i = 0; i < boxes.size(); ++i) {
        const ControlBox& box = boxes[i];
        if (rules.ignored.count(box.id))
            continue;
        HWND control = ControlOf(dialog, box);
        // Inside the screen, below the top bar, above the menu bar, and inside
        // the window that holds it (else it is clipped).
        RECT holder = {};
        HWND parent = control ? GetParent(control) : dialog;
        GetClientRect(parent, &holder);
        MapWindowPoints(parent, nullptr, reinterpret_cast<POINT*>(&holder), 2);
        const RECT screen = {0, kTopBarHeight, rules.right, rules.bottom};
        if (!Contains(screen, box.rect))
            found.push_back(Describe(name, box) + L" leaves the screen");
        else if (!Contains(holder, box.rect))
            found.push_back(Describe(name, box) + L" is cut by its window");
        // No two overlap, but a group box holds its controls.
        for (size_t j = i + 1; j < boxes.size(); ++j) {
            const ControlBox& other = boxes[j];
            if (rules.ignored.count(other.id))
                continue;
            RECT both = {};
            if (!IntersectRect(&both, &box.rect, &other.rect))
                continue;
            if (rules.stacked.count({box.id, other.id}) || rules.stacked.count({other.id, box.id}))
                continue;
            HWND otherControl = ControlOf(dialog, other);
            if ((control && IsGroupBox(control) && Contains(box.rect, other.rect)) ||
                (otherControl && IsGroupBox(otherControl) && Contains(other.rect, box.rect)))
                continue;
            found.push_back(Describe(name, box) + L" overlaps " + Describe(L"", other).substr(2));
        }
        if (!control || rules.placeGiven.count(box.id))
            continue;
        const TextRoom room = RoomOf(control);
        for (const std::wstring& text : room.texts) {
            if (text.empty())
                continue;
            const int width = TextWidth(control, text);
            const bool tooWide = width > room.room;
            const bool tooTall = room.wraps && WrappedHeight(control, text, room.room) > room.height;
            if ((room.wraps && tooTall) || (!room.wraps && tooWide) ||
                (room.wraps && text.find(L' ') == std::wstring::npos && text.find(L'\n') == std::wstring::npos &&
                 tooWide)) {
                wchar_t detail[96];
                _snwprintf(detail, 96, L" cuts its text (%d px in %d px)", width, room.room);
                found.push_back(Describe(name, box) + L" \"" + text + L"\"" + detail);
            }
        }
    }
    return found;
}

}  // namespace layout
