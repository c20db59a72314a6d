#include "today/contact_card.h"

#include "core/outlook_contact.h"
#include "core/today_request_format.h"
#include "today/current_item.h"
#include "today/popup_frame.h"
#include "today/request_builders.h"
#include "today/resource.h"

namespace {

constexpr int kCardLeft = 1;
constexpr int kCardTop = 50;
constexpr int kCardHeight = 170;

INT_PTR CALLBACK ContactCardDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

const ButtonFace kCardFaces[] = {
    {IDC_CARD_CLOSE, PopupFace::Close},       {IDC_CARD_EDIT, PopupFace::Edit},
    {IDC_CARD_DIAL_MOBILE, PopupFace::Mobile}, {IDC_CARD_DIAL_PHONE, PopupFace::Phone},
    {IDC_CARD_SEND_MAIL, PopupFace::Mail},     {IDC_CARD_DIAL_HOME, PopupFace::Home},
};
const PopupLayout kCardLayout = {IDD_CONTACT_CARD, ContactCardDlgProc, kPopupTitleBand, kCardFaces, std::size(kCardFaces),
                             nullptr};

constexpr int kLabelWidth = 40;
constexpr int kValueLeft = 50;
constexpr int kButtonsTop = 148;
const ControlPlace kCardPlaces[] = {
    {IDC_CARD_NAME1, PlaceFrom::Left, 6, 21, -43, 14},
    {IDC_CARD_NAME2, PlaceFrom::Left, 6, 36, -11, 14},
    {IDC_CARD_NAME3, PlaceFrom::Left, 6, 51, -11, 14},
    {IDC_CARD_NAME4, PlaceFrom::Left, 6, 66, -11, 14},
    {IDC_CARD_MOBILE_LABEL, PlaceFrom::Left, 6, 84, kLabelWidth, 14},
    {IDC_CARD_MOBILE, PlaceFrom::Left, kValueLeft, 84, -61, 14},
    {IDC_CARD_PHONE_LABEL, PlaceFrom::Left, 6, 99, kLabelWidth, 14},
    {IDC_CARD_PHONE, PlaceFrom::Left, kValueLeft, 99, -61, 14},
    {IDC_CARD_HOME_LABEL, PlaceFrom::Left, 6, 114, kLabelWidth, 14},
    {IDC_CARD_HOME, PlaceFrom::Left, kValueLeft, 114, -61, 14},
    {IDC_CARD_MAIL_LABEL, PlaceFrom::Left, 6, 129, kLabelWidth, 14},
    {IDC_CARD_MAIL, PlaceFrom::Left, kValueLeft, 129, -61, 14},
    {IDC_CARD_EDIT, PlaceFrom::Middle, -112, kButtonsTop, kPopupButtonWidth, kPopupButtonHeight},
    {IDC_CARD_DIAL_MOBILE, PlaceFrom::Middle, -74, kButtonsTop, kPopupButtonWidth, kPopupButtonHeight},
    {IDC_CARD_DIAL_PHONE, PlaceFrom::Middle, -36, kButtonsTop, kPopupButtonWidth, kPopupButtonHeight},
    {IDC_CARD_DIAL_HOME, PlaceFrom::Middle, 2, kButtonsTop, kPopupButtonWidth, kPopupButtonHeight},
    {IDC_CARD_SEND_MAIL, PlaceFrom::Middle, 40, kButtonsTop, kPopupButtonWidth, kPopupButtonHeight},
    {IDC_CARD_CLOSE, PlaceFrom::Middle, 78, kButtonsTop, kPopupButtonWidth, kPopupButtonHeight},
};

// The contact the card shows, kept for its buttons.
OutlookContact CardContact;
uint32_t CardContactId = 0;

// "first(second)" / "first(second/third)" with the parts present.
std::wstring WithParts(const std::wstring& first, const std::wstring& second, const std::wstring& third)
{
    std::wstring parts = second;
    if (!second.empty() && !third.empty())
        parts += L"/";
    parts += third;
    return parts.empty() ? first : first + L"(" + parts + L")";
}

// The two parts joined with a blank when the first is there.
std::wstring Joined(const std::wstring& first, const std::wstring& second)
{
    if (first.empty())
        return second;
    return second.empty() ? first : first + L" " + second;
}

void FillCard(HWND dialog, const OutlookContact& contact)
{
    const std::wstring lines[] = {
        WithParts(contact.DisplayName(), contact.company, contact.department),
        Joined(contact.jobTitle, contact.officeLocation),
        Joined(contact.yomiLastName, contact.yomiFirstName),
        L"",
    };
    const int lineIds[] = {IDC_CARD_NAME1, IDC_CARD_NAME2, IDC_CARD_NAME3, IDC_CARD_NAME4};
    for (size_t i = 0; i < std::size(lineIds); ++i)
        SetControlText(dialog, lineIds[i], lines[i].c_str());
    SetControlText(dialog, IDC_CARD_MOBILE, contact.mobileNumber.c_str());
    SetControlText(dialog, IDC_CARD_PHONE, contact.businessNumber.c_str());
    SetControlText(dialog, IDC_CARD_HOME, contact.homeNumber.c_str());
    SetControlText(dialog, IDC_CARD_MAIL, contact.email.c_str());
}

// Dials the number; the card stays open when it has no digits.
bool Dial(const std::wstring& number)
{
    if (DialDigits(number.c_str()).empty())
        return false;
    RequestDialNumber(number.c_str(), CardContact.DisplayName().c_str(), CardContactId);
    return true;
}

bool SendMail()
{
    if (CardContact.email.empty())
        return false;
    RequestSendMail(CardContact.email.c_str(), CardContactId);
    return true;
}

void OnCardCommand(int id)
{
    bool hide = true;
    switch (id) {
    case IDC_CARD_CLOSE: break;
    case IDC_CARD_EDIT: RequestEditContact(CardContactId); break;
    case IDC_CARD_DIAL_MOBILE: hide = Dial(CardContact.mobileNumber); break;
    case IDC_CARD_DIAL_PHONE: hide = Dial(CardContact.businessNumber); break;
    case IDC_CARD_DIAL_HOME: hide = Dial(CardContact.homeNumber); break;
    case IDC_CARD_SEND_MAIL: hide = SendMail(); break;
    default: return;
    }
    if (hide)
        HidePopup(kPopupContactCard);
}

INT_PTR CALLBACK ContactCardDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: return TRUE;
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED)
            OnCardCommand(LOWORD(wParam));
        return TRUE;
    }
    INT_PTR result = FALSE;
    return HandlePopupMessage(kPopupContactCard, dialog, message, wParam, lParam, &result) ? result : FALSE;
}

}  // namespace

void ShowContactCard(int entry)
{
    const CurrentItem item = CurrentItemOfRow(entry);
    OutlookContact contact;
    if (item.contactId == 0 || !LoadOutlookContact(static_cast<CEOID>(item.contactId), &contact))
        return;
    HWND dialog = EnsurePopup(kPopupContactCard, kCardLayout);
    if (!dialog)
        return;
    CurrentRow = item;
    CardContact = contact;
    CardContactId = item.contactId;
    const int width = GetSystemMetrics(SM_CXSCREEN) - 2;
    PlaceControls(dialog, kCardPlaces, std::size(kCardPlaces), width);
    SetWindowTextW(dialog, L"■ 연락처");
    FillCard(dialog, contact);
    ShowPopup(kPopupContactCard, kCardLeft, kCardTop, width, kCardHeight);
}
