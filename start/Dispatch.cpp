#include "start/Dispatch.h"

#include "config/_Config.h"
#include "saver/ScreenSaver.h"
#include "slideshow/SaverRun.h"
#include "ui/FatalError.h"

namespace {

void RunModeEntry() {
    switch (EntryFor(SaverMode)) {
        case ModeEntry::ChangePassword:
            ChangePassword();
            break;
        case ModeEntry::StartSaver:
            StartSaver();
            break;
        case ModeEntry::RunConfig:
            RunConfig();
            break;
    }
}

}  // namespace

int RunProcess() noexcept {
    try {
        ParseCommandLine();
        RunModeEntry();
    } catch (...) {
        // Errors inside windows are reported by the message dispatch; what
        // arrives here was raised before any window existed, or outside every
        // handler (memory that ran out in a message loop, a slideshow that
        // could not be built).
        ReportFatalException();
        return 1;
    }
    return 0;
}
