// The Rich Ink control and its stream format.
#pragma once
