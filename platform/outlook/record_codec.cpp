#include "platform/outlook/record_codec.h"

#include "platform/outlook/ole_dates.h"
#include "platform/outlook/record_blobs.h"

#include <mutex>
#include <set>

namespace poom {

namespace {

// Properties a record carries that are rebuilt on every write.
bool IsDerived(CEPROPID prop)
{
    return prop == kPropRecurrence || prop == kPropExceptions || prop == kPropRecipients ||
           prop == kPropContactNumber || prop == kPropCategoryCount || prop == kPropCategoryMask;
}

// Records whose stored rule could not be read, each said once.
struct UnreadableRules {
    std::mutex lock;
    std::set<CEOID> reported;
};

UnreadableRules& Unreadable()
{
    static UnreadableRules rules;
    return rules;
}

void ForgetUnreadableRules()
{
    std::lock_guard<std::mutex> guard(Unreadable().lock);
    Unreadable().reported.clear();
}

const bool g_resetRegistered = (CeRegisterTestReset(&ForgetUnreadableRules), true);

// A stored rule that cannot be read leaves its item not recurring, its own
// start and end standing; said once per record in this process, however
// often the record is read.
void ReportUnreadableRule(CEOID oid)
{
    std::lock_guard<std::mutex> guard(Unreadable().lock);
    if (Unreadable().reported.insert(oid).second)
        NKDbgPrintfW(L"ceoutlook: record %08lX: its recurrence rule is unreadable or out of range; "
                     L"read as not recurring\r\n",
                     static_cast<unsigned long>(oid));
}

}  // namespace

CEPROPVAL CePropValOf(CEPROPID prop, const PropValue& value)
{
    CEPROPVAL result = {};
    result.propid = prop;
    switch (TypeFromPropID(prop)) {
    case CEVT_LPWSTR: result.val.lpwstr = const_cast<LPWSTR>(value.text.c_str()); break;
    case CEVT_FILETIME: result.val.filetime = FileTimeOfValue(value); break;
    case CEVT_BLOB:
    case CEVT_STREAM:
        result.val.blob.dwCount = static_cast<DWORD>(value.bytes.size());
        result.val.blob.lpb = const_cast<LPBYTE>(value.bytes.data());
        break;
    case CEVT_R8: result.val.dblVal = value.real; break;
    case CEVT_I2: result.val.iVal = static_cast<short>(value.number); break;
    case CEVT_UI2: result.val.uiVal = static_cast<USHORT>(value.number); break;
    case CEVT_UI4: result.val.ulVal = static_cast<ULONG>(value.number); break;
    case CEVT_BOOL: result.val.boolVal = static_cast<BOOL>(value.number); break;
    default: result.val.lVal = static_cast<long>(value.number); break;
    }
    return result;
}

PropValue PropValueOf(const CEPROPVAL& value)
{
    WORD type = TypeFromPropID(value.propid);
    if (type == CEVT_FILETIME)
        return DateValue(value.val.filetime);
    PropValue result;
    result.type = type;
    switch (type) {
    case CEVT_LPWSTR: result.text = value.val.lpwstr ? value.val.lpwstr : L""; break;
    case CEVT_BLOB:
    case CEVT_STREAM:
        if (value.val.blob.lpb && value.val.blob.dwCount)
            result.bytes.assign(value.val.blob.lpb, value.val.blob.lpb + value.val.blob.dwCount);
        break;
    case CEVT_R8: result.real = value.val.dblVal; break;
    case CEVT_I2: result.number = value.val.iVal; break;
    case CEVT_UI2: result.number = value.val.uiVal; break;
    case CEVT_UI4: result.number = value.val.ulVal; break;
    case CEVT_BOOL: result.number = value.val.boolVal; break;
    default: result.number = value.val.lVal; break;
    }
    return result;
}

RecordWrite::RecordWrite(const ItemData& item, const CategoryMarks& marks) : existing_(item.Oid() != 0)
{
    for (const auto& [prop, value] : item.Props()) {
        if (!IsDerived(prop))
            values_.push_back(CePropValOf(prop, value));
    }
    for (CEPROPID prop : const_cast<ItemData&>(item).StoredProps()) {
        if (!IsDerived(prop) && !item.Has(prop))
            AddDelete(prop);
    }
    if (item.Kind() == ItemKind::Contact) {
        CEPROPVAL number = {};
        number.propid = kPropContactNumber;  // the store numbers it on the first write
        values_.push_back(number);
        if (marks.count) {
            CEPROPVAL count = {};
            count.propid = kPropCategoryCount;
            count.val.uiVal = marks.count;
            values_.push_back(count);
        } else {
            AddDelete(kPropCategoryCount);
        }
        if (!marks.mask.empty())
            AddBlob(kPropCategoryMask, marks.mask);
        else
            AddDelete(kPropCategoryMask);
    }
    if (item.Kind() != ItemKind::Contact) {
        if (item.Rule().Recurs())
            AddBlob(kPropRecurrence, EncodeRecurrence(item.Rule()));
        else
            AddDelete(kPropRecurrence);
    }
    if (item.Kind() == ItemKind::Appointment) {
        if (!item.Exceptions().empty())
            AddBlob(kPropExceptions, EncodeExceptions(item.Exceptions()));
        else
            AddDelete(kPropExceptions);
        if (!item.Recipients().empty())
            AddBlob(kPropRecipients, EncodeRecipients(item.Recipients()));
        else
            AddDelete(kPropRecipients);
    }
}

void RecordWrite::AddBlob(CEPROPID prop, std::vector<BYTE> bytes)
{
    blobs_.push_back(std::move(bytes));
    CEPROPVAL value = {};
    value.propid = prop;
    value.val.blob.dwCount = static_cast<DWORD>(blobs_.back().size());
    value.val.blob.lpb = blobs_.back().data();
    values_.push_back(value);
}

void RecordWrite::AddDelete(CEPROPID prop)
{
    if (!existing_)
        return;  // a new record has nothing to remove
    CEPROPVAL value = {};
    value.propid = prop;
    value.wFlags = CEDB_PROPDELETE;
    values_.push_back(value);
}

ItemData DecodeRecord(ItemKind kind, CEOID oid, const CEPROPVAL* values, WORD count)
{
    ItemData item(kind);
    item.SetOid(oid);
    for (WORD i = 0; i < count; ++i) {
        const CEPROPVAL& value = values[i];
        if (value.wFlags & CEDB_PROPNOTFOUND)
            continue;
        const BYTE* bytes = value.val.blob.lpb;
        DWORD length = value.val.blob.dwCount;
        if (value.propid == kPropRecurrence) {
            if (!DecodeRecurrence(bytes, length, &item.Rule()))
                ReportUnreadableRule(oid);
        } else if (value.propid == kPropExceptions) {
            DecodeExceptions(bytes, length, &item.Exceptions());
        } else if (value.propid == kPropRecipients) {
            DecodeRecipients(bytes, length, &item.Recipients());
        } else if (!IsDerived(value.propid)) {
            // A record lists its properties as a save wrote them, in id
            // order: inserting at the end costs no search.
            item.Props().insert_or_assign(item.Props().end(), value.propid, PropValueOf(value));
            item.StoredProps().insert(value.propid);
        }
    }
    return item;
}

}  // namespace poom
