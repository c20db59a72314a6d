// Unattended installs: every dialog box the hooks open on this thread
// (message boxes included) is answered with its default button as soon as
// it is up, and logged:
//   InstallerHost: box "<caption>": "<text>" answered <button id>
#pragma once

#include "platform/ce.h"

namespace installer {

class UnattendedBoxes {
public:
    UnattendedBoxes();
    ~UnattendedBoxes();
    UnattendedBoxes(const UnattendedBoxes&) = delete;
    UnattendedBoxes& operator=(const UnattendedBoxes&) = delete;

private:
    HHOOK hook_;
};

}  // namespace installer
