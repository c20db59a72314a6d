// The contact editor's business address taken from another contact of the
// same company.
#pragma once

#include "lists/state.h"

// Controls of the contact editor that the address routines write.
constexpr int kEditorPostalCode = 1010;
constexpr int kEditorState = 1024;
constexpr int kEditorCity = 1012;
constexpr int kEditorStreet = 1013;
constexpr int kEditorFax = 1017;
constexpr int kEditorSaveButton = 1025;

// After the company box is left: a blank company changes nothing; empty
// address controls are filled at once, filled ones only on the user's Yes.
void UpdateAddressFromCompany(HWND dialog, const wchar_t* company);
// A new contact from the company view: the address is written as found.
void PrefillAddressFromCompany(HWND dialog, const wchar_t* company);

// The restriction that finds the contacts of a company, with every '"'
// doubled.
std::wstring CompanyRestriction(const wchar_t* company);

// Releases ContactSearchItems.
void ReleaseContactSearchItems();
