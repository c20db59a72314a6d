// The exports that command the phone application: dial, hang up, send a
// message; their outcome stays in LastErrorCode.
#include "core/ansi_text.h"
#include "telvo/phone_packets.h"
#include "telvo/state.h"
#include "telvo/telvo.h"

#include <string>

namespace {

// Message levels 0, 1 and 2 as the phone codes them; a higher level is sent
// as the highest.
constexpr uint32_t kLevelCodes[] = {1, 3, 5};

std::wstring WithoutCharacters(const wchar_t* text, const wchar_t* dropped)
{
    std::wstring kept;
    for (const wchar_t* at = text ? text : L""; *at; ++at) {
        if (!wcschr(dropped, *at))
            kept += *at;
    }
    return kept;
}

// Letters of any script count, Hangul among them.
bool HasNoLetters(const std::wstring& number)
{
    for (wchar_t c : number) {
        WORD type = 0;
        if (GetStringTypeW(CT_CTYPE1, &c, 1, &type) && (type & (C1_ALPHA | C1_UPPER | C1_LOWER)))
            return false;
    }
    return true;
}

constexpr int kNumberFine = -1;

// What is wrong with a number (its code for LastErrorCode), or kNumberFine.
// An empty number is fine when emptyCode is kNumberFine. A sign the code
// page cannot carry is as wrong in a number as a letter.
int NumberProblem(const std::wstring& number, int emptyCode, int letterCode)
{
    if (number.empty())
        return emptyCode;
    std::string bytes;
    return HasNoLetters(number) && AnsiFromWideExact(number.c_str(), &bytes) ? kNumberFine : letterCode;
}

// A packet whose text the code page cannot carry is not made; then the
// problem is that.
int PacketProblem(int problem, const std::vector<uint8_t>& packet)
{
    return problem == kNumberFine && packet.empty() ? TELVO_TEXT_NOT_CARRIED : problem;
}

// The phone's window for a number found fine; otherwise, or without the
// window, null with the problem's code left in problem.
HWND PhoneFor(int* problem)
{
    if (*problem != kNumberFine)
        return nullptr;
    HWND phone = FindPhoneWindow();
    if (!phone)
        *problem = TELVO_NO_PHONE_WINDOW;
    return phone;
}

uint32_t LevelCode(unsigned level)
{
    constexpr unsigned kLevels = sizeof(kLevelCodes) / sizeof(kLevelCodes[0]);
    return kLevelCodes[level < kLevels ? level : kLevels - 1];
}

}  // namespace

TELVO_API int Telvo_EXT_Dial(const wchar_t* number, int type, const wchar_t* text)
{
    constexpr int kDialResult = -1;  // the outcome is in LastErrorCode only
    std::wstring digits = WithoutCharacters(number, L"-");
    int problem = NumberProblem(digits, TELVO_DIAL_NUMBER_EMPTY, TELVO_DIAL_NUMBER_LETTER);
    uint32_t typeCode = type == 1 ? kDialTypeVoice : kDialTypeOther;
    const std::vector<uint8_t> packet = MakeDialPacket(kPhoneDial, typeCode, digits.c_str(), text);
    problem = PacketProblem(problem, packet);
    HWND phone = PhoneFor(&problem);
    if (!phone) {
        LastErrorCode = problem;
        return kDialResult;
    }
    SendPhonePacket(phone, 0, packet);
    LastErrorCode = TELVO_DIAL_SENT;
    return kDialResult;
}

TELVO_API void Telvo_EXT_DialEnd(void)
{
    if (HWND phone = FindPhoneWindow())
        SendPhonePacket(phone, 0, MakeDialPacket(kPhoneHangUp, kDialTypeOther, L"", L""));
}

TELVO_API int Telvo_EXT_Send_SMS_Message(const wchar_t* receiveNumber, const wchar_t* returnNumber,
                                         const wchar_t* contents, unsigned level)
{
    constexpr int kRefused = -1;
    NKDbgPrintfW(L"Telvo DLL ------------------\r\n");
    NKDbgPrintfW(L"==>ReceiveNumber   = [%ls]\r\n", receiveNumber ? receiveNumber : L"");
    NKDbgPrintfW(L"==>ReturnNumber    = [%ls]\r\n", returnNumber ? returnNumber : L"");
    NKDbgPrintfW(L"==>Contents        = [%ls]\r\n", contents ? contents : L"");
    NKDbgPrintfW(L"==>Level           = [%d]\r\n", static_cast<int>(level));
    LastErrorCode = 0;

    std::wstring receive = WithoutCharacters(receiveNumber, L"- ");
    std::wstring answer = WithoutCharacters(returnNumber, L"- ");
    int problem = NumberProblem(receive, TELVO_RECEIVE_NUMBER_EMPTY, TELVO_RECEIVE_NUMBER_LETTER);
    if (problem == kNumberFine)
        problem = NumberProblem(answer, kNumberFine, TELVO_RETURN_NUMBER_LETTER);
    const std::vector<uint8_t> packet =
        MakeSmsPacket(kPhoneSendSms, LevelCode(level), receive.c_str(), answer.c_str(), contents);
    problem = PacketProblem(problem, packet);
    HWND phone = PhoneFor(&problem);
    if (!phone) {
        LastErrorCode = problem;
        return kRefused;
    }
    SendPhonePacket(phone, 0, packet);
    LastErrorCode = TELVO_SMS_SENT;
    return TELVO_SMS_SENT;
}

TELVO_API int Telvo_EXT_GetLastError(void)
{
    return LastErrorCode;
}
