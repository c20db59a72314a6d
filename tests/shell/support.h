// What the shell tests share: posing as another handset, reading the device
// log's records, running the probe program in a second process.
#pragma once

#include "tests/support/testkit.h"

#include <string>
#include <vector>

namespace shelltest {

// A profile of tools/lib/profiles as a path the device process can open.
std::wstring ProfilePath(const std::wstring& name);

// Points the platform at another profile for the life of the object.
class ScopedProfile {
public:
    explicit ScopedProfile(const std::wstring& path);
    ~ScopedProfile();
    ScopedProfile(const ScopedProfile&) = delete;
    ScopedProfile& operator=(const ScopedProfile&) = delete;

private:
    std::wstring previous_;
};

// Writes a profile of the given lines into the test run's folder; returns its path.
std::wstring WriteProfile(const std::wstring& name, const std::wstring& text);

// The device log's lines that contain the token, without the "[pid] " prefix.
std::vector<std::wstring> LogRecords(const std::wstring& token);

// The full path of a program built beside this test.
std::wstring BuiltProgram(const std::wstring& fileName);

}  // namespace shelltest
