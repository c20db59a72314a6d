#include "editors/diary_prefs_page.h"

#include "editors/preference_pages.h"
#include "editors/preferences_state.h"
#include "resources/resource.h"

namespace {

constexpr DWORD kShellFlags = SHIDIF_DONEBUTTON | SHIDIF_SIZEDLGFULLSCREEN | SHIDIF_SIPDOWN;

const wchar_t* const kKeypadLayouts[] = {L"키패드-기본", L"키패드-삼성", L"키패드-LG/HP", L"키패드-포즈"};
const wchar_t* const kWeekStarts[] = {L"일요일", L"월요일"};
const wchar_t* const kColumnLayouts[] = {L"연락처+구분", L"휴대폰+전화"};
const wchar_t* const kMemoSources[] = {L"Vestamor 메모", L"아웃룩 메모"};
const wchar_t* const kContactLoaders[] = {L"빠르게", L"보통"};

using E = FieldEncoding;
using S = DiarySettings;
const PageControl kDiaryControls[] = {
    {IDC_DIARY_GROUP, 10, 10, 220, 157},
    {IDC_DIARY_KEYPAD_LABEL, 20, 30, 100, 18},
    {IDC_DIARY_KEYPAD, 100, 30, 100, 18, E::DropIndex, &S::KeypadLayout, kKeypadLayouts},
    {IDC_DIARY_WEEK_START_LABEL, 20, 52, 100, 18},
    {IDC_DIARY_WEEK_START, 100, 52, 100, 18, E::DropIndex, &S::WeekStart, kWeekStarts},
    {IDC_DIARY_COLUMNS_LABEL, 20, 74, 100, 18},
    {IDC_DIARY_COLUMNS, 100, 74, 100, 18, E::DropIndexPlusOne, &S::ContactListColumns, kColumnLayouts},
    {IDC_DIARY_NAME_PARTS, 20, 96, 200, 18, E::CheckTwo, &S::ContactNameParts},
    {IDC_DIARY_MEMO_SOURCE_LABEL, 20, 118, 100, 18},
    {IDC_DIARY_MEMO_SOURCE, 100, 118, 100, 18, E::DropIndexPlusOne, &S::MemoSource, kMemoSources},
    {IDC_DIARY_LOADER_LABEL, 20, 140, 100, 18},
    {IDC_DIARY_LOADER, 100, 140, 100, 18, E::DropIndex, &S::ContactLoader, kContactLoaders},
    {IDC_PAGE_OK, 2, 271, 50, 20},
    {IDC_PAGE_CANCEL, 53, 271, 50, 20},
};

const TablePage kPage = {kDiaryPage, kDiaryControls, kShellFlags, nullptr, nullptr};

}  // namespace

INT_PTR CALLBACK DiaryPrefsPageProc(HWND page, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return TablePageProc(kPage, page, msg, wParam, lParam);
}

void ReadDiaryPrefsPage(HWND page)
{
    ReadPageFields(page, kDiaryControls);
}
