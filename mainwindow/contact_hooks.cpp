#include "mainwindow/contact_hooks.h"

#include "lists/contact_filters.h"
#include "lists/pick_lists.h"
#include "mainwindow/hooks.h"
#include "mainwindow/state.h"

namespace {

const wchar_t* SelectedMobileDigits()
{
    return ContactDialInfo.PreviewMobileDigits;
}

}  // namespace

void SetContactHooks()
{
    Hooks.FilterContactsByInitial = FilterContactsByInitial;
    Hooks.FilterContactsByKeypad = FilterContactsByKeypad;
    Hooks.FilterContactsByCompany = FilterContactsByCompany;
    Hooks.FilterContactsByGroup = FilterContactsByGroup;
    Hooks.FillCompanyPickList = FillCompanyPickList;
    Hooks.FillGroupPickList = FillGroupPickList;
    Hooks.PreviewMobileDigits = SelectedMobileDigits;
}
