#include "slideshow/_Schoner.h"

// The slideshow window is not built yet: the saver modes end at once.
void StartSaver() {}
