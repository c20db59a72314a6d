#include "today/weather_dialog.h"

#include "today/day_text.h"
#include "today/painters.h"
#include "today/popup_frame.h"
#include "today/resource.h"
#include "today/weather_store.h"

#include <strsafe.h>

#include <algorithm>
#include <vector>

namespace {

constexpr int kWeatherLeft = 1;
constexpr int kWeatherTop = 50;
constexpr int kWeatherHeight = 200;
constexpr int kFirstBlockTop = 20;
constexpr int kBlockHeight = 52;
constexpr int kIconLeft = 6;
constexpr int kIconDown = 8;
constexpr int kTextLeft = 44;
constexpr int kLineHeight = 13;
constexpr int kButtonsTop = 180;

INT_PTR CALLBACK WeatherDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
void PaintWeatherIcons(HWND dialog, HDC dc);

const ButtonFace kWeatherFaces[] = {
    {IDC_WEATHER_PREVIOUS, PopupFace::Previous},
    {IDC_WEATHER_NEXT, PopupFace::Next},
};
const PopupLayout kWeatherLayout = {IDD_WEATHER, WeatherDlgProc, kPopupTitleBand, kWeatherFaces, std::size(kWeatherFaces),
                                PaintWeatherIcons};

// The four lines of a day's block, by their first id and line.
const int kDayLineIds[] = {IDC_WEATHER_DATE, IDC_WEATHER_FORECAST, IDC_WEATHER_TEMPERATURE, IDC_WEATHER_RAIN};

int FirstShownDay = 0;

int BlockTop(int block)
{
    return kFirstBlockTop + block * kBlockHeight;
}

std::vector<ControlPlace> WeatherPlaces()
{
    std::vector<ControlPlace> places;
    for (int block = 0; block < kWeatherDaysPerPage; ++block) {
        for (int line = 0; line < static_cast<int>(std::size(kDayLineIds)); ++line)
            places.push_back({kDayLineIds[line] + block, PlaceFrom::Left, kTextLeft, BlockTop(block) + line * kLineHeight,
                              -(kTextLeft + 8), kLineHeight});
    }
    places.push_back({IDC_WEATHER_PREVIOUS, PlaceFrom::Middle, -40, kButtonsTop, kPopupButtonWidth, kPopupButtonHeight});
    places.push_back({IDC_WEATHER_NEXT, PlaceFrom::Middle, 5, kButtonsTop, kPopupButtonWidth, kPopupButtonHeight});
    return places;
}

void ShowPage(HWND dialog)
{
    for (int block = 0; block < kWeatherDaysPerPage; ++block) {
        const int day = FirstShownDay + block;
        std::wstring lines[std::size(kDayLineIds)];
        if (day < WeatherDayCount) {
            const WeatherDay& shown = WeatherDays[day];
            lines[0] = WeatherDateLine(shown);
            lines[1] = shown.description;
            lines[2] = WeatherTemperatureLine(shown);
            lines[3] = WeatherRainLine(shown);
        }
        for (size_t line = 0; line < std::size(kDayLineIds); ++line)
            SetControlText(dialog, kDayLineIds[line] + block, lines[line].c_str());
    }
    EnableWindow(GetDlgItem(dialog, IDC_WEATHER_PREVIOUS), FirstShownDay > 0);
    EnableWindow(GetDlgItem(dialog, IDC_WEATHER_NEXT), FirstShownDay + kWeatherDaysPerPage < WeatherDayCount);
    InvalidateRect(dialog, nullptr, TRUE);
}

void PaintWeatherIcons(HWND, HDC dc)
{
    for (int block = 0; block < kWeatherDaysPerPage; ++block) {
        const int day = FirstShownDay + block;
        const int icon = day < WeatherDayCount ? WeatherIconIndex(WeatherDays[day]) : -1;
        if (icon >= 0 && WeatherIconsLarge)
            ImageList_Draw(WeatherIconsLarge, icon, dc, kIconLeft, BlockTop(block) + kIconDown, ILD_TRANSPARENT);
    }
}

void Turn(HWND dialog, int days)
{
    const int first = FirstShownDay + days;
    if (first < 0 || first >= WeatherDayCount)
        return;
    FirstShownDay = first;
    ShowPage(dialog);
}

INT_PTR CALLBACK WeatherDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: return TRUE;
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == IDC_WEATHER_PREVIOUS)
            Turn(dialog, -std::min(kWeatherDaysPerPage, FirstShownDay));
        else if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == IDC_WEATHER_NEXT)
            Turn(dialog, kWeatherDaysPerPage);
        return TRUE;
    }
    INT_PTR result = FALSE;
    return HandlePopupMessage(kPopupWeather, dialog, message, wParam, lParam, &result) ? result : FALSE;
}

}  // namespace

std::wstring WeatherDateLine(const WeatherDay& day)
{
    int year, month, date;
    if (!ParseDateText(day.date, &year, &month, &date))
        return day.date;
    wchar_t line[32];
    StringCchPrintfW(line, ARRAYSIZE(line), L"%d월 %d일 (%ls)", month, date,
                     WeekdayName(WeekdayOf(DateOfParts(year, month, date))));
    return line;
}

std::wstring WeatherTemperatureLine(const WeatherDay& day)
{
    wchar_t line[48] = L"";
    if (day.value1[0])
        StringCchPrintfW(line, ARRAYSIZE(line), L"기온:%ls℃/%ls℃", day.value1, day.value2);
    else if (day.value2[0])
        StringCchPrintfW(line, ARRAYSIZE(line), L"기온:%ls℃", day.value2);
    return line;
}

std::wstring WeatherRainLine(const WeatherDay& day)
{
    wchar_t line[48];
    StringCchPrintfW(line, ARRAYSIZE(line), L"강수확률:오전(%ls％)/오후(%ls％)", day.value3, day.value4);
    return line;
}

void ShowWeatherDialog(int day)
{
    if (day < 0 || day >= WeatherDayCount)
        return;
    HWND dialog = EnsurePopup(kPopupWeather, kWeatherLayout);
    if (!dialog)
        return;
    const int width = GetSystemMetrics(SM_CXSCREEN) - 2;
    const std::vector<ControlPlace> places = WeatherPlaces();
    PlaceControls(dialog, places.data(), places.size(), width);
    SetWindowTextW(dialog, WeatherRegionTitle(WeatherRegionName));
    FirstShownDay = day;
    ShowPage(dialog);
    ShowPopup(kPopupWeather, kWeatherLeft, kWeatherTop, width, kWeatherHeight);
}
