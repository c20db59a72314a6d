#include "lists/contact_selection.h"

#include "core/hangul_search.h"
#include "mainwindow/state.h"

#include <strsafe.h>

void SelectCachedContact(const ContactCacheEntry* row)
{
    ContactDialTexts& texts = ContactDialInfo;
    if (!row) {
        SelectedContactOid = 0;
        texts.LinkedContactName[0] = L'\0';
        texts.PreviewMobileDigits[0] = L'\0';
        texts.PreviewPhoneDigits[0] = L'\0';
        return;
    }
    SelectedContactOid = row->oid;
    StringCchCopyW(texts.LinkedContactName, ARRAYSIZE(texts.LinkedContactName), row->name.c_str());
    KeepDialDigits(texts.PreviewMobileDigits, ARRAYSIZE(texts.PreviewMobileDigits), row->mobile.c_str());
    KeepDialDigits(texts.PreviewPhoneDigits, ARRAYSIZE(texts.PreviewPhoneDigits), row->shownPhone.c_str());
}
