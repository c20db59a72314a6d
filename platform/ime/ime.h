// Input methods: the installed soft input methods, the input context's
// conversion mode, and the Hangul composer behind it.
//
// Installed methods. They are the subkeys of
//   HKEY_LOCAL_MACHINE\Software\Quillon Platform\Input Methods
// taken in the order of their key names, each with the values "Name"
// (REG_SZ, the display name) and "Class" (REG_SZ, the class id as
// "{xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx}"); a subkey without a valid class
// is skipped. Without that key (a fresh device) the three built-in methods
// below are installed. The current method is the value "Current Method"
// (REG_SZ class id) of
//   HKEY_LOCAL_MACHINE\Software\Quillon Platform\Input Panel
// and is the first installed method when that value is missing or names no
// installed method. Both live in the device's registry, so every device
// process sees the same methods and the same current one.
//
// Conversion mode. ImmSetConversionStatus and ImmGetConversionStatus are the
// platform's (the desktop ones are still told): a context starts in Latin
// mode (0); any mode with IME_CMODE_HANGUL (1) set is Hangul mode, any other
// (0, or 0x30000 as some devices set for their keypad) is Latin mode.
//
// Hangul composer. Every edit control created on the thread that loaded the
// platform composes 2-set (dubeolsik) Hangul while its input context is in
// Hangul mode: Latin letter keys (and compatibility jamo characters) become
// jamo; the syllable being composed stands in the edit's text at the caret.
// Messages sent to the edit, in this order:
//   WM_IME_STARTCOMPOSITION                 when a syllable begins;
//   WM_IME_COMPOSITION (wParam the syllable, lParam GCS_COMPSTR |
//     CS_INSERTCHAR | CS_NOMOVECARET)        after each jamo or backspace has
//                                            changed the text;
//   on commit: WM_IME_COMPOSITION (wParam the syllable, lParam
//     GCS_RESULTSTR), WM_IME_ENDCOMPOSITION, then EN_CHANGE to the parent.
// A backspace that empties the syllable ends it with WM_IME_ENDCOMPOSITION
// and EN_CHANGE. The edit's own change notices are held back while the
// syllable is composed. A syllable is committed by a key that does not
// continue it (split jamo start the next one), a non-letter character, a
// navigation key, a click, the loss of focus, a change of the edit's text
// or selection from outside, or a switch to Latin mode.
#pragma once

#include <imm.h>

typedef struct tagIMENUMINFO {
    WCHAR szName[MAX_PATH];
    CLSID clsid;
} IMENUMINFO, *PIMENUMINFO;

// Called once per installed method; returns non-zero to go on.
typedef int (*IMENUMPROC)(IMENUMINFO* info);

// Calls the callback for each installed method in order, at most
// CE_IM_MAX_LISTED of them, until it returns 0. Names longer than the slot
// are cut. FALSE only without a callback.
#define CE_IM_MAX_LISTED 50
CEAPI BOOL WINAPI SipEnumIM(IMENUMPROC callback);
CEAPI BOOL WINAPI SipGetCurrentIM(CLSID* clsid);
// FALSE (ERROR_INVALID_PARAMETER) for a class id that is not installed.
CEAPI BOOL WINAPI SipSetCurrentIM(CLSID* clsid);

// The built-in methods of a fresh device, in this order.
#define CE_IM_COUNT_BUILT_IN 3
// "한글 키보드" {7CA5B6D6-EC4C-4383-856A-B92D214FCA64}
// "키보드"      {21D72D49-252A-4120-BCFD-02D5EA3308F9}
// "글자 인식기" {B6FB07C8-C8F8-462C-A35B-42A067FC5073}

CEAPI BOOL WINAPI CeImmSetConversionStatus(HIMC context, DWORD conversion, DWORD sentence);
CEAPI BOOL WINAPI CeImmGetConversionStatus(HIMC context, LPDWORD conversion, LPDWORD sentence);
#undef ImmSetConversionStatus
#undef ImmGetConversionStatus
#define ImmSetConversionStatus CeImmSetConversionStatus
#define ImmGetConversionStatus CeImmGetConversionStatus
