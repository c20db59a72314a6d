// The Pocket Outlook object model: interfaces, class and interface ids.
#pragma once
