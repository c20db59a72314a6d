// The anniversary view: the kind pick list, the list of a kind's
// anniversaries or of a year's holidays, its order, and the header of the
// selected row.
#pragma once

void FillAnniversaryKindPickList();
// The list for AnniversaryKindChoice and AnniversaryYear, ordered by
// AnniversarySortKey; the header is cleared when it is empty.
void LoadAnniversaryList();
void SortAnniversaryList();
// The header above the kind list for the selected row (SelectedAnniversaryId,
// AnniversaryMonth, AnniversaryDay, AnniversaryLunarFlag) in AnniversaryYear;
// a lunar row's month and day become that year's solar ones.
void ShowAnniversaryHeader();
// The anniversary SelectedAnniversaryId with its note into the form's
// anniversary fields; false, changing nothing, when it is not there.
bool LoadAnniversaryRecord();
