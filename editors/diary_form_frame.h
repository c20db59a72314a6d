// What the diary forms share of their frame: full screen, controls placed
// in pixels, the save and cancel buttons along the foot with their faces.
#pragma once

#include "editors/editor_controls.h"
#include "resources/resource.h"

#include <span>

constexpr int kFormButtonY = 273;
constexpr int kFormButtonWidth = 50;
constexpr int kFormButtonHeight = 20;

// Full screen, the controls at their places, the save button (1025, or the
// one given) and cancel along the foot.
void StartDiaryForm(HWND dialog, std::span<const ControlPlace> places, int saveId = IDC_EDITOR_OK);

// The face of a form's button: save as new or update, cancel, and any other
// owner-drawn button plain with its text. False for another control.
bool DrawDiaryFormButton(const DRAWITEMSTRUCT& item, bool update);

// The captions of the forms' notices and errors.
constexpr wchar_t kErrorCaption[] = L"오류";
constexpr wchar_t kNoticeCaption[] = L"알림";
