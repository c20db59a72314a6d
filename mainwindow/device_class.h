// What the main program derives once from the device: the phone model and
// the Samsung quirks from the OEM text, the keypad layout, the locale's
// first day of the week.
#pragma once

#include "platform/ce.h"

enum PhoneModelKind { kPhoneOther = 0, kPhoneHp = 1, kPhoneHarrowell = 2, kPhoneSamsung = 3, kPhoneLg = 4 };

struct DeviceClass {
    int phoneModel = kPhoneOther;
    bool samsungIme = false;
    bool samsungSip = false;
    bool samsungSmsMenus = false;
};

// The OEM text compared case-sensitively; the first rule that matches wins.
DeviceClass ClassifyDevice(LPCWSTR oemInfo);

// Reads the device's OEM text, once as the classification's and again
// with room for 16 bytes as the dial route's model text (OemInfo,
// DialModelString), and sets PhoneModel and the three Samsung flags.
void ClassifyThisDevice();

// The keypad layout a device gets when none was chosen yet.
int DefaultKeypadLayout(int phoneModel);

// The locale's first-day-of-week value for the setting: "0" Monday for any
// value but 0, "6" Sunday for 0.
LPCWSTR WeekStartLocaleValue(int weekStart);
