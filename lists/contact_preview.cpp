#include "lists/contact_preview.h"

#include "core/hangul_search.h"
#include "core/outlook_items.h"
#include "lists/preview_texts.h"
#include "mainwindow/state.h"

#include <strsafe.h>

namespace {

// The card's labels that show each preview line.
struct CardLine {
    PreviewLine ContactPreviewLines::*line;
    int cardLine;
};
const CardLine kCardLines[] = {
    {&ContactPreviewLines::name, 0},     {&ContactPreviewLines::company, 2}, {&ContactPreviewLines::address1, 4},
    {&ContactPreviewLines::address2, 5}, {&ContactPreviewLines::mobile, 6},  {&ContactPreviewLines::office, 8},
    {&ContactPreviewLines::home, 10},    {&ContactPreviewLines::fax, 12},    {&ContactPreviewLines::mail, 13},
};

template <size_t N>
void PutDigits(wchar_t (&field)[N], LPCWSTR number)
{
    KeepDialDigits(field, N, number);
}

template <size_t N>
void Put(wchar_t (&field)[N], LPCWSTR text)
{
    StringCchCopyW(field, N, text);
}

void ShowLines(const ContactPreviewLines& lines)
{
    for (const CardLine& shown : kCardLines)
        SetWindowTextW(CardLines[shown.cardLine], lines.*shown.line);
}

}  // namespace

void ShowContactPreview()
{
    ContactPreviewLines lines;
    // A contact that cannot be read leaves nobody to dial or mail.
    ContactDialInfo = {};
    ComRef<IContact> contact = ContactFromOid(SelectedContactOid);
    if (!contact) {
        FormatContactPreview(nullptr, &lines);
        ShowLines(lines);
        return;
    }
    OwnedText last, first, company, department, jobTitle, postalCode, state, city, street, businessPhone, homePhone,
        fax, mobile, email;
    contact->get_LastName(last.Out());
    contact->get_FirstName(first.Out());
    contact->get_CompanyName(company.Out());
    contact->get_Department(department.Out());
    contact->get_JobTitle(jobTitle.Out());
    contact->get_BusinessAddressPostalCode(postalCode.Out());
    contact->get_BusinessAddressState(state.Out());
    contact->get_BusinessAddressCity(city.Out());
    contact->get_BusinessAddressStreet(street.Out());
    contact->get_BusinessTelephoneNumber(businessPhone.Out());
    contact->get_HomeTelephoneNumber(homePhone.Out());
    contact->get_BusinessFaxNumber(fax.Out());
    contact->get_MobileTelephoneNumber(mobile.Out());
    contact->get_Email1Address(email.Out());
    contact.Reset();

    const ContactPreviewFields fields = {last.Get(),     first.Get(),         company.Get(),   department.Get(),
                                         jobTitle.Get(), postalCode.Get(),    state.Get(),     city.Get(),
                                         street.Get(),   businessPhone.Get(), homePhone.Get(), fax.Get(),
                                         mobile.Get(),   email.Get()};
    FormatContactPreview(&fields, &lines);
    ShowLines(lines);

    ContactDialTexts& dial = ContactDialInfo;
    FormatContactName(last.Get(), first.Get(), dial.LinkedContactName, ARRAYSIZE(dial.LinkedContactName));
    Put(dial.PreviewContactCompany, company.Get());
    PutDigits(dial.PreviewMobileDigits, mobile.Get());
    PutDigits(dial.PreviewPhoneDigits, businessPhone.Get()[0] ? businessPhone.Get() : homePhone.Get());
    PutDigits(dial.PreviewOfficeDigits, businessPhone.Get());
    PutDigits(dial.PreviewHomeDigits, homePhone.Get());
    Put(dial.PreviewEmail, email.Get());
}
