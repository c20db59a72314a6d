// The Hangul composer inside every edit control of the process.
#pragma once

namespace ime {

// Commits the syllable being composed in any edit, with its notices.
void CommitComposition();

}  // namespace ime
