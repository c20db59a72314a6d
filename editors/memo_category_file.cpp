#include "editors/memo_category_file.h"

#include "core/item_form.h"

#include <string>

namespace {

// Two bytes a character at most in the device's code page.
constexpr DWORD kMostBytes = 2 * kMemoCategoryChars;

}  // namespace

void ReadLastMemoCategory(wchar_t* category, size_t chars)
{
    if (chars == 0)
        return;
    category[0] = L'\0';
    HANDLE file = CreateFileW(kMemoCategoryFile, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    char bytes[kMostBytes];
    DWORD read = 0;
    if (!ReadFile(file, bytes, sizeof(bytes), &read, nullptr))
        read = 0;
    CloseHandle(file);
    DWORD length = 0;
    while (length < read && bytes[length] != '\r' && bytes[length] != '\n' && bytes[length] != '\0')
        ++length;
    if (length == 0)
        return;
    std::wstring text(length, L'\0');
    int converted = MultiByteToWideChar(CP_ACP, 0, bytes, static_cast<int>(length), text.data(),
                                        static_cast<int>(length));
    text.resize(converted > 0 ? static_cast<size_t>(converted) : 0);
    if (text.size() >= chars)
        text.resize(chars - 1);
    text.copy(category, text.size());
    category[text.size()] = L'\0';
}

bool WriteLastMemoCategory(const wchar_t* category)
{
    std::string bytes;
    int size = WideCharToMultiByte(CP_ACP, 0, category, -1, nullptr, 0, nullptr, nullptr);
    if (size > 1) {
        bytes.resize(static_cast<size_t>(size));
        WideCharToMultiByte(CP_ACP, 0, category, -1, bytes.data(), size, nullptr, nullptr);
        bytes.resize(static_cast<size_t>(size - 1));
    }
    HANDLE file = CreateFileW(kMemoCategoryFile, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    bool whole = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                 written == bytes.size();
    CloseHandle(file);
    return whole;
}
