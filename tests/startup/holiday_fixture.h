// The 76 built-in holidays as the system must hold them.
#pragma once

struct HolidayRow {
    int id;
    const wchar_t* date;
    const wchar_t* name;
    const wchar_t* lunar;
};

extern const HolidayRow kHolidayFixture[76];
