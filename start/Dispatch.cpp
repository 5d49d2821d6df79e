#include "start/Dispatch.h"

#include "config/_Config.h"
#include "saver/ScreenSaver.h"
#include "slideshow/_Schoner.h"
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

int RunProcess() {
    try {
        ParseCommandLine();
        RunModeEntry();
    } catch (const Error& error) {
        // Errors inside windows are reported by the message dispatch; only
        // one raised before any window exists arrives here.
        ReportFatalError(error);
        return 1;
    }
    return 0;
}
