#include "core/outlook_writers.h"

#include "core/item_commands.h"
#include "core/link_tables.h"
#include "core/record_layouts.h"

namespace {

constexpr int32_t kScheduleView = 4;
constexpr int32_t kTaskView = 6;
constexpr int32_t kSeparateNameParts = 2;

struct LinkTable {
    LPCWSTR database;
    bool (*add)(CEOID contactOid, CEOID itemOid);
    bool (*remove)(CEOID itemOid);
    bool (*deleteItem)(CEOID itemOid);  // takes a new item out again, its links left alone
};
const LinkTable kPlanLinks = {kPlanLinkDatabase, AddPlanLink, DeletePlanLink, DeleteOutlookAppointmentOnly};
const LinkTable kTaskLinks = {kTaskLinkDatabase, AddTaskLink, DeleteTaskLink, DeleteOutlookTask};

// A new item linked to the pending contact; without the link it is taken
// out again, so that the user's retry makes no second item.
CEOID LinkNewItem(const LinkTable& links, CEOID itemOid, int32_t itemView)
{
    if (itemOid == 0 || AssigneeOid == 0)
        return itemOid;
    if (!links.add(AssigneeOid, itemOid)) {
        links.deleteItem(itemOid);
        return 0;
    }
    if (CurrentView == itemView)
        AssigneeOid = 0;
    return itemOid;
}

// A saved item's link made to name the pending contact (none when 0). The
// old link goes only when it differs, and comes back when the new one
// cannot be written.
CEOID RelinkSavedItem(const LinkTable& links, CEOID oldOid, CEOID savedOid, int32_t itemView)
{
    if (savedOid == 0)
        return 0;
    CEOID linked = LinkedContact(links.database, LinkItemKey(oldOid));
    if (linked != AssigneeOid || oldOid != savedOid) {
        if (linked != 0 && !links.remove(oldOid))
            return 0;
        if (AssigneeOid != 0 && !links.add(AssigneeOid, savedOid)) {
            if (linked != 0)
                links.add(linked, oldOid);
            return 0;
        }
    }
    if (AssigneeOid != 0 && CurrentView == itemView)
        AssigneeOid = 0;
    return savedOid;
}

// The writers' name and last name from the form: with separate parts the
// form's name field is the last name beside its first-name field, else the
// whole name.
LPCWSTR WriterName()
{
    const ContactFormFields& c = ItemFormState.Contact;
    return Settings.ContactNameParts == kSeparateNameParts ? c.FirstName : c.Name;
}

}  // namespace

CEOID AddContactFromForm(LPCWSTR company, LPCWSTR group)
{
    const ContactFormFields& c = ItemFormState.Contact;
    return AddOutlookContact(WriterName(), c.Name, company, c.Department, c.JobTitle, group, c.PostalCode, c.State,
                             c.City, c.Street, c.BusinessPhone, c.BusinessFax, c.Mobile, c.Email, c.HomePhone);
}

CEOID UpdateContactFromForm(CEOID contactOid, LPCWSTR company, LPCWSTR group)
{
    const ContactFormFields& c = ItemFormState.Contact;
    return UpdateOutlookContact(WriterName(), c.Name, company, c.Department, c.JobTitle, group, c.PostalCode, c.State,
                                c.City, c.Street, c.BusinessPhone, c.BusinessFax, c.Mobile, c.Email, c.HomePhone,
                                contactOid);
}

CEOID AddAppointmentFromForm()
{
    const ItemFormFields& f = ItemFormState;
    CEOID oid = CreateOutlookAppointment(f.StartDate, f.StartTime, f.EndDate, f.EndTime, f.ReminderFlag,
                                         f.ReminderMinutes, f.Title, f.Place, f.Body, f.RecurrenceCode);
    return LinkNewItem(kPlanLinks, oid, kScheduleView);
}

CEOID UpdateAppointmentFromForm(CEOID appointmentOid)
{
    const ItemFormFields& f = ItemFormState;
    CEOID saved = UpdateOutlookAppointment(f.StartDate, f.StartTime, f.EndDate, f.EndTime, f.ReminderFlag,
                                           f.ReminderMinutes, f.Title, f.Place, f.RecurrenceCode, appointmentOid);
    return RelinkSavedItem(kPlanLinks, appointmentOid, saved, kScheduleView);
}

CEOID AddTaskFromForm()
{
    const ItemFormFields& f = ItemFormState;
    CEOID oid = CreateOutlookTask(f.StartDate, f.StartSet, f.EndDate, f.DueSet, f.ReminderFlag, f.ReminderDate,
                                  f.ReminderTime, f.Title, f.Priority, f.Status, f.Body, f.RecurrenceCode);
    return LinkNewItem(kTaskLinks, oid, kTaskView);
}

CEOID UpdateTaskFromForm(CEOID taskOid)
{
    const ItemFormFields& f = ItemFormState;
    CEOID saved = UpdateOutlookTask(f.StartDate, f.StartSet, f.EndDate, f.DueSet, f.ReminderFlag, f.ReminderDate,
                                    f.ReminderTime, f.Title, f.Priority, f.Status, f.RecurrenceCode, taskOid);
    return RelinkSavedItem(kTaskLinks, taskOid, saved, kTaskView);
}
