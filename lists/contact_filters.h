// The filters of the four contact views: each lists cache rows in its
// owner-data list through its index array; none copies contact data.
#pragma once

#include "lists/state.h"

// The contact view's list by IndexTab: everyone, a consonant tab, or (tab
// 15) the search box's text.
void FilterContactsByInitial();
void FilterContactsBySearch();
// The keypad view's list by KeypadText under KeypadSearchField.
void FilterContactsByKeypad();
// The company and group views' contact lists by CompanyChoice / GroupChoice.
void FilterContactsByCompany();
void FilterContactsByGroup();

// Whether a contact is listed under the consonant tab (0-14).
bool ContactUnderTab(const ContactCacheEntry& row, int tab);
// Whether the pattern occurs in a field that the search letter ('N', 'C',
// 'S', 'T') names; by initials and dial digits (search box) or by keypad
// digits (keypad view).
bool ContactMatchesSearch(const ContactCacheEntry& row, char field, const wchar_t* pattern);
bool ContactMatchesKeypad(const ContactCacheEntry& row, char field, const wchar_t* digits);
