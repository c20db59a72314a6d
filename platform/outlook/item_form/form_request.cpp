#include "platform/outlook/item_form/form_request.h"

#include <shellapi.h>

#include <cwchar>

namespace pimform {

FormRequest ParseRequest(const wchar_t* commandLine)
{
    FormRequest request;
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(commandLine && commandLine[0] ? commandLine : L"PimForm", &count);
    if (!words)
        return request;
    for (int i = 0; i + 1 < count; ++i) {
        const wchar_t* value = words[i + 1];
        if (_wcsicmp(words[i], L"/kind") == 0) {
            if (_wcsicmp(value, L"contact") == 0)
                request.kind = Kind::kContact;
            else if (_wcsicmp(value, L"appointment") == 0)
                request.kind = Kind::kAppointment;
            else if (_wcsicmp(value, L"task") == 0)
                request.kind = Kind::kTask;
        } else if (_wcsicmp(words[i], L"/oid") == 0) {
            request.oid = static_cast<long>(wcstoul(value, nullptr, 10));
        } else if (_wcsicmp(words[i], L"/start") == 0) {
            request.start = value;
        }
    }
    LocalFree(words);
    return request;
}

}  // namespace pimform
