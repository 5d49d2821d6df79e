// The configuration dialog.
#pragma once

// Entry of the configuration mode: shows the dialog and returns when it closes.
void RunConfig();
