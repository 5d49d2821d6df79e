// Stands in for the user's web browser: the prefix's handler of "http"
// addresses becomes a command that appends each address it is given to a
// file. The prefix's own handler is put back afterwards. (Wine's shell reads
// the machine's classes only, not the user's.)
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class RecordingBrowser {
public:
    RecordingBrowser();
    ~RecordingBrowser();
    RecordingBrowser(const RecordingBrowser&) = delete;
    RecordingBrowser& operator=(const RecordingBrowser&) = delete;

    // The addresses opened so far, one per line.
    std::vector<std::string> Opened() const;

private:
    std::string record_;
    HKEY key_ = nullptr;
    BYTE saved_[1024] = {};
    DWORD savedType_ = REG_NONE;
    DWORD savedSize_ = 0;
};
