#include "mainwindow/dial_adapters.h"

#include "core/build_variant.h"
#include "mainwindow/device_class.h"
#include "mainwindow/phone_requests.h"
#include "mainwindow/state.h"
#include "telvo/telvo.h"

#include <vector>

namespace {

// The name the call request gives as the requesting program's.
constexpr wchar_t kProgramName[] = L"Quillon";

constexpr wchar_t kHpPhoneClass[] = L"WCE_HPPHONE";
constexpr wchar_t kHpPhoneTitle[] = L"HP Phone";
constexpr wchar_t kLgPhoneClass[] = L"AfxFrameOrView42u";
constexpr wchar_t kLgPhoneTitles[][16] = {L"LG_PDAPHONE", L"LG PHONE"};
constexpr wchar_t kNatePhoneClass[] = L"AfxTelvoNatePhone";

constexpr wchar_t kTelvoLibrary[] = L"Telvo.dll";
constexpr char kTelvoDialExport[] = "Telvo_EXT_Dial";

void SendPacket(HWND phone, ULONG_PTR code, const std::vector<uint8_t>& bytes)
{
    COPYDATASTRUCT packet = {code, static_cast<DWORD>(bytes.size()), const_cast<uint8_t*>(bytes.data())};
    SendMessageW(phone, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&packet));
}

void SendDialRecord(HWND phone, const wchar_t* number, const wchar_t* name)
{
    if (phone)
        SendPacket(phone, kPhoneDialRecordCode, WritePhoneDialRecord(number, name));
}

// The Harrowell models by the model text read for dialing; any other goes
// through the phone library.
struct HarrowellModel {
    const wchar_t* name;
    DialAdapter adapter;
};
const HarrowellModel kHarrowellModels[] = {
    {L"TQ-R450", DialByNatePhone},
    {L"TQ-R460", DialNotSupported},
};

DialAdapter HarrowellAdapter()
{
    for (const HarrowellModel& model : kHarrowellModels) {
        if (wcscmp(DialModelString, model.name) == 0)
            return model.adapter;
    }
    return DialByTelvo;
}

}  // namespace

void DialByPhoneEdition(const wchar_t* number, const wchar_t* name)
{
    PHONEMAKECALLINFO call = {};
    call.cbSize = sizeof(call);
    call.dwFlags = PMCF_DEFAULT;
    call.pszDestAddress = number;
    call.pszAppName = kProgramName;
    call.pszCalledParty = name;
    call.pszComment = L"";
    PhoneMakeCall(&call);
}

void DialByHpPhone(const wchar_t* number, const wchar_t* name)
{
    SendDialRecord(FindWindowW(kHpPhoneClass, kHpPhoneTitle), number, name);
}

void DialByLgPhone(const wchar_t* number, const wchar_t* name)
{
    HWND phone = nullptr;
    for (const wchar_t* title : kLgPhoneTitles) {
        if ((phone = FindWindowW(kLgPhoneClass, title)) != nullptr)
            break;
    }
    SendDialRecord(phone, number, name);
}

void DialByTelvo(const wchar_t* number, const wchar_t*)
{
    HMODULE library = LoadLibraryW(kTelvoLibrary);
    if (!library)
        return;
    auto dial = reinterpret_cast<TelvoDialFunction>(
        reinterpret_cast<void*>(GetProcAddress(library, kTelvoDialExport)));
    if (dial)
        dial(number, static_cast<int>(kTelvoDialType), L"");
    FreeLibrary(library);
}

void DialByNatePhone(const wchar_t* number, const wchar_t*)
{
    const std::vector<uint8_t> packet = WriteTelvoDialPacket(number);
    if (packet.empty()) {
        NKDbgPrintfW(L"Quillon: the number to dial is not of the code page; nothing dialled");
        return;
    }
    if (HWND phone = FindWindowW(kNatePhoneClass, nullptr))
        SendPacket(phone, kTelvoDialPacketCode, packet);
}

void DialByLinkedPhone(const wchar_t* number, const wchar_t*)
{
    // Its result is not looked at.
    if (LinkedPhoneDial)
        LinkedPhoneDial(number, 1, L"");
}

void DialNotSupported(const wchar_t*, const wchar_t*) {}

DialAdapter DialAdapterOfDevice()
{
    // The phone-linked build exists to dial through its linked library,
    // whatever the device's phone model.
    if (LinkedPhoneDial)
        return DialByLinkedPhone;
    switch (PhoneModel) {
    case kPhoneHp: return DialByHpPhone;
    case kPhoneLg: return DialByLgPhone;
    case kPhoneHarrowell: return HarrowellAdapter();
    default: return DialByPhoneEdition;
    }
}

void RouteDial(const wchar_t* number, const wchar_t* name)
{
    if (number && number[0])
        DialAdapterOfDevice()(number, name ? name : L"");
}
