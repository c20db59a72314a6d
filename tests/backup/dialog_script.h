// Answers what the backup and restore commands show on this thread while
// a test (or the test peer) waits in them: the file dialogs through the
// platform's hook, the message boxes in turn with the buttons given, and
// the progress dialog with its OK or Cancel. Win32 only, so that the peer
// program can use it too.
#pragma once

#include "platform/ce.h"

#include <functional>
#include <string>
#include <vector>

namespace backuptest {

struct SeenBox {
    std::wstring caption;
    std::wstring text;
};

struct FileRequestSeen {
    bool save = false;
    std::wstring name;    // the file buffer as the dialog was asked
    std::wstring filter;  // its pairs joined with '|'
    std::wstring extension;
};

class DialogScript {
public:
    // The file dialogs answer this path; empty: Cancel.
    void ChooseFile(const std::wstring& path) { path_ = path; }
    // The message boxes, in turn (IDOK for any after these).
    void AnswerBoxes(const std::vector<int>& answers) { answers_ = answers; }
    // The progress dialog's button, and what to do once it is up (before
    // the button is pressed).
    void AnswerProgress(int button, const std::function<void(HWND)>& whenShown = nullptr)
    {
        progressButton_ = button;
        whenShown_ = whenShown;
    }

    // Arms the answers for this thread; Disarm stops them.
    void Arm();
    void Disarm();

    const std::vector<SeenBox>& Boxes() const { return boxes_; }
    const std::vector<FileRequestSeen>& FileRequests() const { return requests_; }
    bool ProgressShown() const { return progressShown_; }

private:
    static BOOL CALLBACK AnswerFileDialog(LPOPENFILENAMEW request, BOOL save);
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    void Answer(HWND dialog);

    std::wstring path_;
    std::vector<int> answers_;
    size_t nextAnswer_ = 0;
    int progressButton_ = IDOK;
    std::function<void(HWND)> whenShown_;
    std::vector<SeenBox> boxes_;
    std::vector<FileRequestSeen> requests_;
    std::vector<HWND> answered_;
    bool progressShown_ = false;
    UINT_PTR timer_ = 0;
};

// The text of a window (a control of another thread's window too).
std::wstring TextOfWindow(HWND window);

}  // namespace backuptest
