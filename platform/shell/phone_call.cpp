#include "platform/shell/state.h"

namespace {

LPCWSTR OrEmpty(PCWSTR text)
{
    return text ? text : L"";
}

}  // namespace

CEAPI LONG WINAPI PhoneMakeCall(PHONEMAKECALLINFO* info)
{
    if (!info || info->cbSize < sizeof(PHONEMAKECALLINFO) || !info->pszDestAddress || !info->pszDestAddress[0])
        return E_INVALIDARG;
    NKDbgPrintfW(L"PhoneMakeCall: dest=\"%ls\" app=\"%ls\" party=\"%ls\" comment=\"%ls\"", info->pszDestAddress,
                 OrEmpty(info->pszAppName), OrEmpty(info->pszCalledParty), OrEmpty(info->pszComment));
    return 0;
}
