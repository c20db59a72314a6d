// Items built in memory for the model tests.
#pragma once

#include "platform/outlook/item_data.h"
#include "platform/outlook/ole_dates.h"

#include <memory>
#include <string>

namespace fixtures {

poom::ItemData Appointment(CEOID oid, const std::wstring& subject, DATE start, DATE end, bool allDay = false);
poom::ItemData Task(CEOID oid, const std::wstring& subject, DATE due, bool complete);
poom::ItemData Contact(CEOID oid, const std::wstring& last, const std::wstring& first, const std::wstring& company);

std::shared_ptr<const poom::ItemData> Shared(poom::ItemData item);

// "yyyy-mm-dd hh:mm" of a variant time, for messages and expectations.
std::wstring Text(DATE date);

}  // namespace fixtures
