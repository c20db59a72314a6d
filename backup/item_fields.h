// The fields of the Pocket Outlook kinds as the backup holds them: for each
// field id, its encoding and the property getter and putter behind it. The
// write pass reads the items through these tables and the check and restore
// passes set them through the same tables.
#pragma once

#include "backup/field_writers.h"
#include "backup/outlook_access.h"

#include <span>

enum class FieldEncoding { Text, Date, DateTime, Number, Flag, Ink };

template <class I>
struct ItemField {
    WORD id;
    FieldEncoding encoding;
    HRESULT (STDMETHODCALLTYPE I::*getText)(BSTR*);
    HRESULT (STDMETHODCALLTYPE I::*putText)(BSTR);
    HRESULT (STDMETHODCALLTYPE I::*getDate)(DATE*);
    HRESULT (STDMETHODCALLTYPE I::*putDate)(DATE);
    HRESULT (STDMETHODCALLTYPE I::*getNumber)(long*);
    HRESULT (STDMETHODCALLTYPE I::*putNumber)(long);
    HRESULT (STDMETHODCALLTYPE I::*getFlag)(VARIANT_BOOL*);
    HRESULT (STDMETHODCALLTYPE I::*putFlag)(VARIANT_BOOL);
    HRESULT (STDMETHODCALLTYPE I::*getInk)(BYTE**, int*);
    HRESULT (STDMETHODCALLTYPE I::*putInk)(BYTE*, int);
};

// Contact fields 1-47, appointment fields 1-14, task fields 1-13 and the
// recurrence fields 15-27 of both, in field order.
std::span<const ItemField<IContact>> ContactFields();
std::span<const ItemField<IAppointment>> AppointmentFields();
std::span<const ItemField<ITask>> TaskFields();
std::span<const ItemField<IRecurrencePattern>> PatternFields();

// The recurrence fields that are times of day of an appointment; a task's
// pattern has none and refuses them.
bool IsPatternTimeField(WORD id);

// Whether a rule of that type reads the recurrence field: a weekly rule
// has no day of month, a monthly one no weekdays, and so on. The object
// model refuses a value out of range even where the type ignores it (a
// file holds 0 there), so such a field is not set. Every field of a type
// not known is set.
bool PatternFieldUsedBy(long type, WORD id);

// The entry of that id, or null.
template <class I>
const ItemField<I>* FindItemField(std::span<const ItemField<I>> table, WORD id);

// Writes the item's fields of the table as the kind's, in table order.
template <class I>
void WriteItemFields(BackupOutput& out, I* item, std::span<const ItemField<I>> table, BYTE kind);

// Sets one field from its data. Empty data leave the property as it is
// (S_OK), as do data that are not of the field's shape; otherwise the
// putter's result.
template <class I>
HRESULT ApplyItemField(I* item, const ItemField<I>& field, const BYTE* data, size_t length);

// Sets one part of an appointment's exception on its occurrence, through
// the appointment field it stands for. A subject or location that the
// file holds empty was cleared in the occurrence (the file holds only
// those that differ from the series), so it is set empty.
HRESULT ApplyExceptionField(IAppointment* occurrence, int part, const BYTE* data, size_t length);

// Applies one recipient field of an appointment: a name adds a recipient
// to the series (held in recipient until its address comes), an address
// completes the recipient held. Empty data change nothing (S_OK).
HRESULT ApplyRecipientField(IAppointment* series, WORD id, const BYTE* data, size_t length,
                            ComRef<IRecipient>& recipient);

// The contact's further properties of the newer build, fields 101-114.
struct ContactExtraField {
    WORD id;
    CEPROPID property;
};
std::span<const ContactExtraField> ContactExtraFields();
constexpr CEPROPID kContactPictureProperty = 0x00FF0064;

// A date of the file as the object model's date (through OutlookApp).
bool VariantDateOfField(const SYSTEMTIME& time, DATE* date);
