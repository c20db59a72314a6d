// What the item form was asked to show, from its command line:
//   PimForm.exe /kind contact|appointment|task /oid <id> [/start "yyyy-mm-dd hh:mm"] [/parent <window>]
#pragma once

#include "platform/ce.h"

#include <string>

namespace pimform {

enum class Kind { kUnknown, kContact, kAppointment, kTask };

struct FormRequest {
    Kind kind = Kind::kUnknown;
    long oid = 0;             // 0: a new item, an empty form
    std::wstring start;       // an occurrence's start, as given
};

FormRequest ParseRequest(const wchar_t* commandLine);

}  // namespace pimform
