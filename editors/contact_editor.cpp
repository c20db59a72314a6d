#include "editors/contact_editor.h"

#include "core/item_form.h"
#include "core/outlook_writers.h"
#include "core/settings.h"
#include "core/text_helpers.h"
#include "core/wait_cursor.h"
#include "editors/diary_form_frame.h"
#include "lists/company_address.h"
#include "lists/contact_filters.h"
#include "lists/contacts_cache.h"
#include "lists/distinct_names.h"
#include "lists/pick_lists.h"
#include "mainwindow/state.h"
#include "mainwindow/view_utils.h"
#include "resources/resource.h"

#include <strsafe.h>

namespace {

constexpr wchar_t kNeedName[] = L"이름은 반드시 입력해야 합니다";
constexpr wchar_t kInsertFailed[] = L"연락처 등록에 실패했습니다";
constexpr wchar_t kUpdateFailed[] = L"연락처 수정에 실패했습니다";
constexpr int32_t kSeparateNameParts = 2;

constexpr int kLabelX = 2, kLabelWidth = 46, kFieldX = 50, kFieldWidth = 188, kRowHeight = 20;
constexpr int kListHeight = 120;  // a combo box with its list dropped
constexpr int kPitch = 22;
constexpr int Row(int n) { return 2 + n * kPitch; }

// Rows that are one label and one full-width field; the name row and the
// two-field rows are placed apart.
const ControlPlace kPlaces[] = {
    {IDC_CONTACT_NAME_LABEL, kLabelX, Row(0) + 2, kLabelWidth, 18},
    {IDC_CONTACT_COMPANY_LABEL, kLabelX, Row(1) + 2, kLabelWidth, 18},
    {IDC_CONTACT_COMPANY, kFieldX, Row(1), kFieldWidth, kListHeight},
    {IDC_CONTACT_DEPARTMENT_LABEL, kLabelX, Row(2) + 2, kLabelWidth, 18},
    {IDC_CONTACT_DEPARTMENT, kFieldX, Row(2), 70, kListHeight},
    {IDC_CONTACT_JOB_TITLE_LABEL, 124, Row(2) + 2, 26, 18},
    {IDC_CONTACT_JOB_TITLE, 152, Row(2), 86, kListHeight},
    {IDC_CONTACT_GROUP_LABEL, kLabelX, Row(3) + 2, kLabelWidth, 18},
    {IDC_CONTACT_GROUP, kFieldX, Row(3), kFieldWidth, kListHeight},
    {IDC_CONTACT_POSTAL_CODE_LABEL, kLabelX, Row(4) + 2, kLabelWidth, 18},
    {IDC_CONTACT_POSTAL_CODE, kFieldX, Row(4), 60, kRowHeight},
    {IDC_CONTACT_STATE_LABEL, 114, Row(4) + 2, 36, 18},
    {IDC_CONTACT_STATE, 152, Row(4), 86, kRowHeight},
    {IDC_CONTACT_CITY_LABEL, kLabelX, Row(5) + 2, kLabelWidth, 18},
    {IDC_CONTACT_CITY, kFieldX, Row(5), kFieldWidth, kRowHeight},
    {IDC_CONTACT_STREET_LABEL, kLabelX, Row(6) + 2, kLabelWidth, 18},
    {IDC_CONTACT_STREET, kFieldX, Row(6), kFieldWidth, kRowHeight},
    {IDC_CONTACT_BUSINESS_LABEL, kLabelX, Row(7) + 2, kLabelWidth, 18},
    {IDC_CONTACT_BUSINESS_PHONE, kFieldX, Row(7), kFieldWidth, kRowHeight},
    {IDC_CONTACT_FAX_LABEL, kLabelX, Row(8) + 2, kLabelWidth, 18},
    {IDC_CONTACT_FAX, kFieldX, Row(8), kFieldWidth, kRowHeight},
    {IDC_CONTACT_MOBILE_LABEL, kLabelX, Row(9) + 2, kLabelWidth, 18},
    {IDC_CONTACT_MOBILE, kFieldX, Row(9), kFieldWidth, kRowHeight},
    {IDC_CONTACT_HOME_LABEL, kLabelX, Row(10) + 2, kLabelWidth, 18},
    {IDC_CONTACT_HOME_PHONE, kFieldX, Row(10), kFieldWidth, kRowHeight},
    {IDC_CONTACT_EMAIL_LABEL, kLabelX, Row(11) + 2, kLabelWidth, 18},
    {IDC_CONTACT_EMAIL, kFieldX, Row(11), kFieldWidth, kRowHeight},
};

// The name row: one field, or the last name beside the first name.
const ControlPlace kOneNamePlaces[] = {{IDC_CONTACT_NAME, kFieldX, Row(0), kFieldWidth, kRowHeight}};
const ControlPlace kTwoNamePlaces[] = {
    {IDC_CONTACT_NAME, kFieldX, Row(0), 60, kRowHeight},
    {IDC_CONTACT_FIRST_NAME_LABEL, 114, Row(0) + 2, 36, 18},
    {IDC_CONTACT_FIRST_NAME, 152, Row(0), 86, kRowHeight},
};

// Each field of the form with its control and its room.
struct FieldControl {
    int id;
    wchar_t* (*field)(ContactFormFields& form);
    int chars;
};
#define CONTACT_FIELD(id, member) \
    {id, [](ContactFormFields& f) { return f.member; }, static_cast<int>(ARRAYSIZE(ContactFormFields{}.member))}
const FieldControl kFields[] = {
    CONTACT_FIELD(IDC_CONTACT_NAME, Name),
    CONTACT_FIELD(IDC_CONTACT_FIRST_NAME, FirstName),
    CONTACT_FIELD(IDC_CONTACT_COMPANY, Company),
    CONTACT_FIELD(IDC_CONTACT_DEPARTMENT, Department),
    CONTACT_FIELD(IDC_CONTACT_JOB_TITLE, JobTitle),
    CONTACT_FIELD(IDC_CONTACT_GROUP, Group),
    CONTACT_FIELD(IDC_CONTACT_POSTAL_CODE, PostalCode),
    CONTACT_FIELD(IDC_CONTACT_STATE, State),
    CONTACT_FIELD(IDC_CONTACT_CITY, City),
    CONTACT_FIELD(IDC_CONTACT_STREET, Street),
    CONTACT_FIELD(IDC_CONTACT_BUSINESS_PHONE, BusinessPhone),
    CONTACT_FIELD(IDC_CONTACT_FAX, BusinessFax),
    CONTACT_FIELD(IDC_CONTACT_MOBILE, Mobile),
    CONTACT_FIELD(IDC_CONTACT_EMAIL, Email),
    CONTACT_FIELD(IDC_CONTACT_HOME_PHONE, HomePhone),
};
#undef CONTACT_FIELD

struct ContactEditorState {
    bool update;
    bool twoNames;
    wchar_t companyOnEntry[kContactCompanyChars];  // the company box's text when it took the focus
};
ContactEditorState Editor;

bool IsCombo(int id)
{
    return id == IDC_CONTACT_COMPANY || id == IDC_CONTACT_DEPARTMENT || id == IDC_CONTACT_JOB_TITLE ||
           id == IDC_CONTACT_GROUP;
}

void LimitFields(HWND dialog)
{
    for (const FieldControl& f : kFields)
        SendDlgItemMessageW(dialog, f.id, IsCombo(f.id) ? CB_LIMITTEXT : EM_LIMITTEXT, f.chars - 1, 0);
}

// A combo box's list from a distinct-name list, its text kept.
void FillNames(HWND dialog, int id, const NameListView& names)
{
    HWND combo = GetDlgItem(dialog, id);
    wchar_t text[kContactCompanyChars] = L"";
    GetWindowTextW(combo, text, ARRAYSIZE(text));
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    for (int i = 0; i < *names.count; ++i) {
        if (names.At(i)[0])
            SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(names.At(i)));
    }
    SetWindowTextW(combo, text);
}

void FillNameLists(HWND dialog)
{
    BuildCompanyNameList();
    BuildGroupNameList();
    BuildDepartmentAndTitleLists();
    FillNames(dialog, IDC_CONTACT_COMPANY, ViewOf(CompanyNameList));
    FillNames(dialog, IDC_CONTACT_GROUP, ViewOf(GroupNameList));
    FillNames(dialog, IDC_CONTACT_DEPARTMENT, ViewOf(DepartmentList));
    FillNames(dialog, IDC_CONTACT_JOB_TITLE, ViewOf(JobTitleList));
}

void ShowForm(HWND dialog, const ContactFormFields& form)
{
    ContactFormFields copy = form;
    for (const FieldControl& f : kFields)
        SetDlgItemTextW(dialog, f.id, f.field(copy));
}

void PlaceNameRow(HWND dialog)
{
    SetDlgItemTextW(dialog, IDC_CONTACT_NAME_LABEL, Editor.twoNames ? L"성" : L"이름");
    if (Editor.twoNames) {
        PlaceControls(dialog, kTwoNamePlaces);
    } else {
        PlaceControls(dialog, kOneNamePlaces);
        ShowControl(dialog, IDC_CONTACT_FIRST_NAME_LABEL, false);
        ShowControl(dialog, IDC_CONTACT_FIRST_NAME, false);
    }
}

BOOL OnContactInit(HWND dialog)
{
    Editor = {EditMode == kEditUpdate, Settings.ContactNameParts == kSeparateNameParts, L""};
    StartDiaryForm(dialog, kPlaces);
    PlaceNameRow(dialog);
    LimitFields(dialog);
    FillNameLists(dialog);
    if (Editor.update) {
        ShowForm(dialog, ItemFormState.Contact);
    } else if (CurrentView == kCompanyView) {
        // A new contact of the company shown: its company and that
        // company's address, nothing else of the contact it was loaded from.
        SetDlgItemTextW(dialog, IDC_CONTACT_COMPANY, ItemFormState.Contact.Company);
        PrefillAddressFromCompany(dialog, ItemFormState.Contact.Company);
    }
    SetFocus(GetDlgItem(dialog, IDC_CONTACT_NAME));
    return FALSE;
}

// ---- the company box ---------------------------------------------------------------------

void CompanyText(HWND dialog, wchar_t* text, int count)
{
    ReadText(dialog, IDC_CONTACT_COMPANY, text, count);
}

void OnCompanyFocus(HWND dialog)
{
    CompanyText(dialog, Editor.companyOnEntry, ARRAYSIZE(Editor.companyOnEntry));
}

// A company typed or chosen: its address offered when the box is left,
// unless towards cancel.
void OnCompanyLeft(HWND dialog)
{
    if (GetFocus() == GetDlgItem(dialog, IDCANCEL))
        return;
    wchar_t company[kContactCompanyChars];
    CompanyText(dialog, company, ARRAYSIZE(company));
    if (wcscmp(company, Editor.companyOnEntry) == 0)
        return;
    StringCchCopyW(Editor.companyOnEntry, ARRAYSIZE(Editor.companyOnEntry), company);
    UpdateAddressFromCompany(dialog, company);
}

// ---- saving --------------------------------------------------------------------------------

void CopyForm(HWND dialog)
{
    ContactFormFields& form = ItemFormState.Contact;
    for (const FieldControl& f : kFields) {
        wchar_t* field = f.field(form);
        ReadText(dialog, f.id, field, f.chars);
        TrimBlanks(field);
    }
    if (!Editor.twoNames)
        form.FirstName[0] = L'\0';
}

// The contact's view shown again from the reloaded cache, the saved contact
// selected; the other contact views refill when next shown.
void ShowSavedContact(CEOID saved)
{
    SelectedContactOid = saved;
    ContactToReselect = saved;
    ReloadContactsCache();
    for (int view = kContactView; view <= kGroupView; ++view)
        ViewStale[view] = 1;
    switch (CurrentView) {
    case kContactView: FilterContactsByInitial(); break;
    case kContactSearchView: FilterContactsByKeypad(); break;
    case kCompanyView: {
        const wchar_t* company = ItemFormState.Contact.Company;
        StringCchCopyW(CompanyToReselect, ARRAYSIZE(CompanyToReselect), company[0] ? company : kNoCompanyRow);
        FillCompanyPickList();
        FilterContactsByCompany();
        break;
    }
    case kGroupView:
        FillGroupPickList();
        FilterContactsByGroup();
        break;
    default: return;
    }
    ViewStale[CurrentView] = 0;
}

void SaveContact(HWND dialog)
{
    CopyForm(dialog);
    const ContactFormFields& form = ItemFormState.Contact;
    if (!form.Name[0] && !form.FirstName[0]) {
        TellUser(dialog, kNeedName, kErrorCaption, Editor.twoNames ? IDC_CONTACT_FIRST_NAME : IDC_CONTACT_NAME);
        return;
    }
    CEOID saved = 0;
    {
        WaitCursor wait;
        saved = Editor.update ? UpdateContactFromForm(SelectedContactOid, form.Company, form.Group)
                              : AddContactFromForm(form.Company, form.Group);
        if (saved) {
            ShowSavedContact(saved);
            FillNameLists(dialog);
        }
    }
    if (!saved) {
        TellUser(dialog, Editor.update ? kUpdateFailed : kInsertFailed, kNoticeCaption, IDC_EDITOR_OK);
        return;
    }
    EndDialog(dialog, IDOK);
}

void OnContactCommand(HWND dialog, int id, int code)
{
    switch (id) {
    case IDC_CONTACT_NAME:
    case IDC_CONTACT_FIRST_NAME:
        if (code == EN_SETFOCUS)
            UseHangulInput(GetDlgItem(dialog, id));
        break;
    case IDC_CONTACT_POSTAL_CODE:
    case IDC_CONTACT_BUSINESS_PHONE:
    case IDC_CONTACT_FAX:
    case IDC_CONTACT_MOBILE:
    case IDC_CONTACT_HOME_PHONE:
    case IDC_CONTACT_EMAIL:
        // Numbers and addresses are typed in Latin letters and digits.
        if (code == EN_SETFOCUS)
            SetLatinInput(GetDlgItem(dialog, id));
        break;
    case IDC_CONTACT_COMPANY:
        if (code == CBN_SETFOCUS)
            OnCompanyFocus(dialog);
        else if (code == CBN_KILLFOCUS)
            OnCompanyLeft(dialog);
        break;
    case IDC_EDITOR_OK:
        if (code == BN_CLICKED)
            SaveContact(dialog);
        break;
    case IDCANCEL: EndDialog(dialog, IDCANCEL); break;
    }
}

}  // namespace

INT_PTR CALLBACK ContactEditDlgProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG:
        return OnContactInit(dialog);
    case WM_COMMAND:
        OnContactCommand(dialog, LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_DRAWITEM:
        return DrawDiaryFormButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), Editor.update);
    }
    return FALSE;
}
