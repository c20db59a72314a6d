// The schedule detail's panes for the selected schedule row.
#pragma once

// An appointment row (SelectedAppointmentOid not 0) shows its occurrence's
// time, title, place, reminder and repeat marks and its ink body read-only;
// a holiday row (SelectedAnniversaryId) its date, lunar date, weekday and
// name. A row whose item cannot be read empties the panes.
void ShowSchedulePreview();
