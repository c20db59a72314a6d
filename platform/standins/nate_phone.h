// What the nate phone stand-in does beyond recording packets: the phone's
// own number and its received-message database.
#pragma once

namespace standins {

// At start: "SMS_RECEIVE" exists (created when missing) and the phone's
// number stands where its library reads it, taken from the device
// profile's [Phone] Number (left alone when the profile has none).
void PrepareNatePhone();

// "/sms SENDER TEXT...": a message arrives; it is written into
// "SMS_RECEIVE" and the program ends with *exitCode 0 (1 when the write
// failed, 2 without a sender). False for any other arguments.
bool RunNatePhoneCommand(const wchar_t* arguments, int* exitCode);

}  // namespace standins
