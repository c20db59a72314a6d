// The device's clock as tests pose it. Every device process reads the
// device's time afresh at each call (tools/lib/wine.sh runs them so), so a
// posed time holds for the test, the programs it starts and those already
// running, at once. The clock keeps running from the posed moment. The
// device's zone is the profile's [Clock] Zone (Asia/Seoul when missing),
// fixed for the run.
#pragma once

#include "platform/ce.h"

namespace testkit {

// A moment of the device's local time from its parts.
SYSTEMTIME LocalMoment(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

// Poses the device's local date and time; false when the device has no
// clock file (not run by the runner) or it cannot be written.
bool PoseDeviceTime(const SYSTEMTIME& local);
bool PoseDeviceTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);
// Back to this machine's own time.
bool RestoreDeviceTime();

// Poses a time for the life of the object, then restores this machine's.
class PosedDeviceTime {
public:
    PosedDeviceTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
        : posed_(PoseDeviceTime(year, month, day, hour, minute, second))
    {
    }
    ~PosedDeviceTime() { RestoreDeviceTime(); }
    PosedDeviceTime(const PosedDeviceTime&) = delete;
    PosedDeviceTime& operator=(const PosedDeviceTime&) = delete;
    bool Posed() const { return posed_; }

private:
    bool posed_;
};

}  // namespace testkit
