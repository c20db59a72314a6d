// Items built in memory for the model tests.
#pragma once

#include "platform/outlook/item_data.h"
#include "platform/outlook/ole_dates.h"
#include "platform/outlook/restriction.h"

#include <memory>
#include <string>

namespace fixtures {

poom::ItemData Appointment(CEOID oid, const std::wstring& subject, DATE start, DATE end, bool allDay = false);
poom::ItemData Task(CEOID oid, const std::wstring& subject, DATE due, bool complete);
poom::ItemData Contact(CEOID oid, const std::wstring& last, const std::wstring& first, const std::wstring& company);

std::shared_ptr<const poom::ItemData> Shared(poom::ItemData item);

// An item's own values, as a restriction reads them.
class ItemFields : public poom::FieldSource {
public:
    explicit ItemFields(const poom::ItemData& item) : item_(item) {}
    poom::FieldValue Value(const poom::FieldDef& field) const override { return item_.Field(field); }

private:
    const poom::ItemData& item_;
};

// "yyyy-mm-dd hh:mm" of a variant time, for messages and expectations.
std::wstring Text(DATE date);

}  // namespace fixtures
