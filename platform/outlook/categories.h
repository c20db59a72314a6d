// Categories of items, kept in the category databases beside the item's own
// text: "CategoryMainDB" (one record per category: 0x00010066 id, 0x0002001F
// name) and "CategoryAssocDB" (one record per item and category: 0x00010013
// item id, 0x00020003 category id) in the PIM volume; in the older build's
// mode "\Categories Database" in the object store (0x40020002 category
// number, 0x4001001F name) and a bit mask in the contact record instead.
// A categories text is a list separated by commas; blanks around the names
// are dropped, and so are empty names and repeats (compared without case).
#pragma once

#include "platform/outlook/record_codec.h"

#include <string>
#include <vector>

namespace poom {

struct ResolvedCategories {
    std::wstring text;  // the names as stored, in category order, joined by ", "
    std::vector<DWORD> ids;  // category ids (numbers in the older mode), ascending
    CategoryMarks marks;
};

std::vector<std::wstring> SplitCategoryList(const std::wstring& text);

// Finds or creates each named category. False when a database cannot be
// written.
bool ResolveCategories(const std::wstring& text, ResolvedCategories* result);
// Makes the item's associations exactly these (newer mode only).
bool AssociateCategories(CEOID item, bool itemIsNew, const std::vector<DWORD>& ids);
void ForgetCategories(CEOID item);

}  // namespace poom
