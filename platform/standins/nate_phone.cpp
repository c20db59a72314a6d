#include "platform/standins/nate_phone.h"

#include "platform/standins/sms_records.h"

#include <string>

namespace standins {

namespace {

constexpr wchar_t kPhoneStatusKey[] = L"Software\\Harrowell\\MobilePhone\\TelvoSTATUS";
constexpr wchar_t kPhoneNumberValue[] = L"PHONENUMBER";
constexpr wchar_t kReceiveCommand[] = L"/sms";
constexpr int kNumberChars = 64;

void WritePhoneNumber()
{
    wchar_t number[kNumberChars] = L"";
    if (CeProfileString(L"Phone", L"Number", L"", number, kNumberChars) == 0)
        return;
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, kPhoneStatusKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExW(key, kPhoneNumberValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(number),
                   static_cast<DWORD>((wcslen(number) + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}

}  // namespace

void PrepareNatePhone()
{
    HANDLE database = OpenSmsReceive();
    if (database == INVALID_HANDLE_VALUE)
        NKDbgPrintfW(L"Standin NatePhone: SMS_RECEIVE could not be opened (error %lu)", GetLastError());
    else
        CloseHandle(database);
    WritePhoneNumber();
}

bool RunNatePhoneCommand(const wchar_t* arguments, int* exitCode)
{
    size_t length = wcslen(kReceiveCommand);
    if (!arguments || wcsncmp(arguments, kReceiveCommand, length) != 0 ||
        (arguments[length] != 0 && arguments[length] != L' '))
        return false;
    std::wstring rest = arguments[length] ? arguments + length + 1 : L"";
    size_t senderEnd = rest.find(L' ');
    std::wstring sender = rest.substr(0, senderEnd);
    std::wstring text = senderEnd == std::wstring::npos ? L"" : rest.substr(senderEnd + 1);
    if (sender.empty()) {
        *exitCode = 2;
        return true;
    }
    HANDLE database = OpenSmsReceive();
    CEOID written = 0;
    if (database != INVALID_HANDLE_VALUE) {
        written = WriteSmsMessage(database, ArrivingMessage(sender, text));
        CloseHandle(database);
    }
    NKDbgPrintfW(L"Standin NatePhone: SMS from %ls %ls", sender.c_str(), written ? L"received" : L"not stored");
    *exitCode = written ? 0 : 1;
    return true;
}

}  // namespace standins
