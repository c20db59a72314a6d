// The anniversary view: the kind pick list, the list of a kind's
// anniversaries or of a year's holidays, its order, and the header of the
// selected row.
#pragma once

void FillAnniversaryKindPickList();
// The list for AnniversaryKindChoice and AnniversaryYear, ordered by
// AnniversarySortKey; the header is cleared when it is empty.
void LoadAnniversaryList();
void SortAnniversaryList();
