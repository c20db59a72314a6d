// What the requests tests share: request files from raw bytes, the phone
// library the cases put into the device's \Windows, the device log read
// from a mark, and the main window's pop-up menus read as they open.
#pragma once

#include "tests/support/testkit.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace requests {

using Bytes = std::vector<uint8_t>;

// The bytes of a literal, embedded zeros included ("\x01" "2008" keeps the
// escape apart from the digits).
template <size_t count>
Bytes Raw(const char (&text)[count])
{
    return Bytes(text, text + count - 1);
}
Bytes operator+(Bytes a, const Bytes& b);
// The byte repeated.
Bytes Repeat(uint8_t byte, size_t count);

// Writes "\Windows\Quillon1.qmk".
void WriteRequestFile(const Bytes& bytes);
bool RequestFileExists();

// The phone library "\Windows\Telvo.dll": the test library with or without
// its dial export, or none.
enum class PhoneLibrary { None, WithDial, WithoutDial };
void PutPhoneLibrary(PhoneLibrary library);

// The device log's lines with the token that came after the mark.
class LogMark {
public:
    LogMark();
    std::vector<std::wstring> Since(const std::wstring& token) const;

private:
    size_t length_;
};

// A pop-up menu as the main window saw it open: its items, and the place of
// the menu's window on the screen. The menu is closed unchosen.
struct OpenedMenu {
    bool opened = false;
    std::vector<testkit::MenuEntry> items;
    RECT place = {};
};
template <class Show>
OpenedMenu MenuOpenedBy(Show show);
// The items' ids, separators as 0.
std::vector<UINT> ItemIds(const OpenedMenu& menu);

// Records the menus the main window opens until the object goes.
class MenuWatch {
public:
    MenuWatch();
    ~MenuWatch();
    MenuWatch(const MenuWatch&) = delete;
    MenuWatch& operator=(const MenuWatch&) = delete;
    const std::vector<OpenedMenu>& Seen() const;
};

template <class Show>
OpenedMenu MenuOpenedBy(Show show)
{
    MenuWatch watch;
    show();
    return watch.Seen().empty() ? OpenedMenu() : watch.Seen().back();
}

}  // namespace requests
