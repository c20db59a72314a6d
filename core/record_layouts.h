// Names and property ids of the program's own databases. These are a stored
// format: the Today item and the backup read and write the same ids.
#pragma once

#include "platform/ce.h"

namespace ownprop {

constexpr CEPROPID I4(int number) { return MAKEPROPID(number, CEVT_I4); }
constexpr CEPROPID Text(int number) { return MAKEPROPID(number, CEVT_LPWSTR); }
constexpr CEPROPID Stream(int number) { return MAKEPROPID(number, CEVT_STREAM); }

}  // namespace ownprop

constexpr wchar_t kPlanLinkDatabase[] = L"QuillonPlan";
constexpr wchar_t kTaskLinkDatabase[] = L"QuillonTask";
constexpr wchar_t kNoteFileLinkDatabase[] = L"QuillonNoteOutlook";
constexpr wchar_t kNoteDatabase[] = L"QuillonNote";
constexpr wchar_t kAnniversaryDatabase[] = L"QuillonMemo";
constexpr wchar_t kAnniversaryTextDatabase[] = L"QuillonMemo2";
constexpr wchar_t kHolidayDatabase[] = L"QuillonRest";
constexpr wchar_t kIdCounterDatabase[] = L"QuillonEnv";
constexpr wchar_t kShortcutDatabase[] = L"QuillonShortcut";

// NoteRecord: one own memo.
constexpr CEPROPID kNoteId = ownprop::I4(0);
constexpr CEPROPID kNoteContact = ownprop::I4(1);
constexpr CEPROPID kNoteCategory = ownprop::Text(2);
constexpr CEPROPID kNoteBody = ownprop::Stream(3);
constexpr CEPROPID kNoteTitle = ownprop::Text(4);
constexpr CEPROPID kNoteDate = ownprop::Text(5);

// AnniversaryRecord: one anniversary.
constexpr CEPROPID kAnniversaryId = ownprop::I4(0);
constexpr CEPROPID kAnniversaryTitle = ownprop::Text(1);
constexpr CEPROPID kAnniversaryYearKnown = ownprop::Text(2);
constexpr CEPROPID kAnniversaryDate = ownprop::Text(3);
constexpr CEPROPID kAnniversaryStartYear = ownprop::Text(4);
constexpr CEPROPID kAnniversaryMonth = ownprop::Text(5);
constexpr CEPROPID kAnniversaryDay = ownprop::Text(6);
constexpr CEPROPID kAnniversaryLunar = ownprop::Text(7);
constexpr CEPROPID kAnniversaryKind = ownprop::Text(8);
constexpr CEPROPID kAnniversaryReminderOn = ownprop::Text(9);
constexpr CEPROPID kAnniversaryReminderChoice = ownprop::I4(10);
constexpr CEPROPID kAnniversaryTime = ownprop::Text(11);
constexpr CEPROPID kAnniversaryAppointment = ownprop::I4(12);

// AnniversaryTextRecord: the note of one anniversary.
constexpr CEPROPID kAnniversaryTextId = ownprop::I4(0);
constexpr CEPROPID kAnniversaryTextNote = ownprop::Text(1);

// HolidayRecord.
constexpr CEPROPID kHolidayId = ownprop::I4(0);
constexpr CEPROPID kHolidayDate = ownprop::Text(1);
constexpr CEPROPID kHolidayName = ownprop::Text(2);
constexpr CEPROPID kHolidayLunarDate = ownprop::Text(3);

// ShortcutRecord: one Today shortcut.
constexpr CEPROPID kShortcutOrder = ownprop::I4(0);
constexpr CEPROPID kShortcutPath = ownprop::Text(1);

// IdCounterRecord: the one record of the id counters.
constexpr CEPROPID kCounterCarried = ownprop::I4(0);
constexpr CEPROPID kCounterMemo = ownprop::I4(1);
constexpr CEPROPID kCounterAnniversary = ownprop::I4(2);

// Link records: the contact and the item (or Notes file path).
constexpr CEPROPID kLinkContact = ownprop::I4(1);
constexpr CEPROPID kLinkItem = ownprop::I4(2);
constexpr CEPROPID kLinkPath = ownprop::Text(2);
