// EM_STREAMIN and EM_STREAMOUT of the Rich Ink control.
#pragma once

#include "platform/richink/control_state.h"

namespace richink {

LRESULT StreamIn(Control& control, WPARAM format, EDITSTREAM* stream);
LRESULT StreamOut(Control& control, WPARAM format, EDITSTREAM* stream);

}  // namespace richink
