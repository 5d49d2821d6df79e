#include "config/_Config.h"

// The dialog itself is not built yet: the configuration mode ends at once.
void RunConfig() {}
