// The selected contact's preview on the contact card, and its texts for
// the dial, mail and message commands.
#pragma once

// Previews SelectedContactOid and fills ContactDialInfo. A contact that
// cannot be read empties both, but for the line that says there is no one.
void ShowContactPreview();
