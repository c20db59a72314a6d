// The main fields of the item the form shows, read through the object
// model, as label and text; empty texts for a new item (id 0) or one that
// cannot be read.
#pragma once

#include "platform/outlook/item_form/form_request.h"

#include <vector>

namespace pimform {

struct Field {
    const wchar_t* label;
    std::wstring text;
};

// The form's caption for the kind ("연락처", "일정", "작업").
const wchar_t* KindCaption(Kind kind);
std::vector<Field> ReadItemFields(const FormRequest& request);

}  // namespace pimform
