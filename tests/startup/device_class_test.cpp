// The device's classification from its OEM text, the keypad layout it gets
// and the locale's first day of the week.
#include "mainwindow/device_class.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct OemCase {
    const wchar_t* oem;
    int model;
    bool ime, sip, sms;
};

TEST(DeviceClass, OemTextDecidesModelAndSamsungFlags)
{
    const OemCase cases[] = {
        {L"hp iPAQ rw6100", kPhoneHp, false, false, false},
        {L"hp iPAQ rw6100 ", kPhoneOther, false, false, false},
        {L"HP iPAQ rw6100", kPhoneOther, false, false, false},
        {L"HARROWELL", kPhoneHarrowell, false, false, false},
        {L"HARROWELL X", kPhoneOther, false, false, false},
        {L"SAMSUNG SPH-M4500", kPhoneSamsung, true, false, true},
        {L"SAMSUNG SCH-M450", kPhoneSamsung, true, false, false},
        {L"SAMSUNG SPH-M4300", kPhoneSamsung, false, true, true},
        {L"SAMSUNG SCH-M420", kPhoneSamsung, false, true, false},
        {L"SAMSUNG SPH-M4500 ", kPhoneSamsung, false, false, false},
        {L"SAMSUNG", kPhoneSamsung, false, false, false},
        {L"SAMSUNG SGH-i700", kPhoneSamsung, false, false, false},
        {L"samsung sph-m4500", kPhoneOther, false, false, false},
        {L"SPH-M8100", kPhoneSamsung, true, false, true},
        {L"SPH-M8100 rev 2", kPhoneSamsung, true, false, true},
        {L"SPH-M810", kPhoneOther, false, false, false},
        {L"LG", kPhoneLg, false, false, false},
        {L"LG KC1", kPhoneLg, false, false, false},
        {L"lg KC1", kPhoneOther, false, false, false},
        {L"Pocket PC", kPhoneOther, false, false, false},
        {L"", kPhoneOther, false, false, false},
    };
    for (const OemCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.oem)));
        DeviceClass device = ClassifyDevice(c.oem);
        EXPECT_EQ(device.phoneModel, c.model);
        EXPECT_EQ(device.samsungIme, c.ime);
        EXPECT_EQ(device.samsungSip, c.sip);
        EXPECT_EQ(device.samsungSmsMenus, c.sms);
    }
}

TEST(DeviceClass, KeypadLayoutByModel)
{
    const std::pair<int, int> cases[] = {
        {kPhoneOther, 0}, {kPhoneHp, 2}, {kPhoneHarrowell, 3}, {kPhoneSamsung, 1}, {kPhoneLg, 2}, {7, 0},
    };
    for (const auto& [model, layout] : cases)
        EXPECT_EQ(DefaultKeypadLayout(model), layout) << "model " << model;
}

TEST(DeviceClass, WeekStartLocaleValue)
{
    const std::pair<int, const wchar_t*> cases[] = {{0, L"6"}, {1, L"0"}, {2, L"0"}, {-1, L"0"}};
    for (const auto& [weekStart, value] : cases)
        EXPECT_STREQ(WeekStartLocaleValue(weekStart), value) << "week start " << weekStart;
}

}  // namespace
