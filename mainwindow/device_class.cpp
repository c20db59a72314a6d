#include "mainwindow/device_class.h"

#include "mainwindow/state.h"

namespace {

bool Equals(LPCWSTR text, LPCWSTR expected)
{
    return lstrcmpW(text, expected) == 0;
}

bool StartsWith(LPCWSTR text, LPCWSTR prefix)
{
    size_t length = wcslen(prefix);
    return wcsncmp(text, prefix, length) == 0;
}

}  // namespace

DeviceClass ClassifyDevice(LPCWSTR oemInfo)
{
    DeviceClass device;
    if (!oemInfo)
        return device;
    if (Equals(oemInfo, L"hp iPAQ rw6100")) {
        device.phoneModel = kPhoneHp;
    } else if (Equals(oemInfo, L"HARROWELL")) {
        device.phoneModel = kPhoneHarrowell;
    } else if (StartsWith(oemInfo, L"SAMSUNG")) {
        device.phoneModel = kPhoneSamsung;
        device.samsungSip = Equals(oemInfo, L"SAMSUNG SPH-M4300") || Equals(oemInfo, L"SAMSUNG SCH-M420");
        device.samsungIme = Equals(oemInfo, L"SAMSUNG SPH-M4500") || Equals(oemInfo, L"SAMSUNG SCH-M450");
        device.samsungSmsMenus = Equals(oemInfo, L"SAMSUNG SPH-M4500") || Equals(oemInfo, L"SAMSUNG SPH-M4300");
    } else if (StartsWith(oemInfo, L"SPH-M8100")) {
        device.phoneModel = kPhoneSamsung;
        device.samsungIme = true;
        device.samsungSmsMenus = true;
    } else if (StartsWith(oemInfo, L"LG")) {
        device.phoneModel = kPhoneLg;
    }
    return device;
}

int DefaultKeypadLayout(int phoneModel)
{
    constexpr int kLayoutBasic = 0, kLayoutSamsung = 1, kLayoutLgHp = 2, kLayoutPose = 3;
    switch (phoneModel) {
    case kPhoneHp:
    case kPhoneLg:        return kLayoutLgHp;
    case kPhoneHarrowell: return kLayoutPose;
    case kPhoneSamsung:   return kLayoutSamsung;
    default:              return kLayoutBasic;
    }
}

LPCWSTR WeekStartLocaleValue(int weekStart)
{
    return weekStart != 0 ? L"0" : L"6";
}

void ClassifyThisDevice()
{
    SystemParametersInfo(SPI_GETOEMINFO, kOemInfoBytes, OemInfo, 0);
    SystemParametersInfo(SPI_GETOEMINFO, kDialModelBytes, DialModelString, 0);
    DeviceClass device = ClassifyDevice(OemInfo);
    PhoneModel = device.phoneModel;
    SamsungImeFlag = device.samsungIme;
    SamsungSipFlag = device.samsungSip;
    SamsungSmsMenus = device.samsungSmsMenus;
}
