// The Rich Ink control and its stream format.
#pragma once

#include "platform/richink/ink_stream.h"
