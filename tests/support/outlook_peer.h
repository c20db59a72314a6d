// What the tests' second device programs share: a logged-on session of the
// object model for one command, and the answer file the test reads back.
#pragma once

#include "platform/ce.h"
#include "tests/support/testkit.h"

#include <string>
#include <vector>

namespace testkit {

// Writes text to a device file as UTF-16 without a terminator.
inline bool WriteAnswer(const wchar_t* file, const std::wstring& text)
{
    const uint8_t* bytes = reinterpret_cast<const uint8_t*>(text.data());
    return WriteFileBytes(file, std::vector<uint8_t>(bytes, bytes + text.size() * sizeof(wchar_t)));
}

// One command of a peer program, argv[1] its name.
using PeerCommand = int (*)(IPOutlookApp* app, int argc, wchar_t** argv);

// Runs the command with COM started and the application logged on; 1 for
// too few arguments, 2 when the object model cannot be reached.
inline int RunOutlookPeer(int argc, wchar_t** argv, PeerCommand command)
{
    if (argc < 3 || FAILED(CoInitializeEx(nullptr, 0)))
        return 1;
    IPOutlookApp* app = nullptr;
    if (FAILED(CoCreateInstance(CLSID_Application, nullptr, CLSCTX_INPROC_SERVER, IID_IPOutlookApp,
                                reinterpret_cast<void**>(&app))) ||
        FAILED(app->Logon(0))) {
        if (app)
            app->Release();
        CoUninitialize();
        return 2;
    }
    int result = command(app, argc, argv);
    app->Logoff();
    app->Release();
    CoUninitialize();
    return result;
}

}  // namespace testkit
