// Platform test: does the system's HTML engine play page transitions?
#pragma once

// True where an HTML document can be created and the engine is of a version
// from 5.5 to 8; the slideshow then shows its pages through the hosted
// WebBrowser control, elsewhere through its built-in view. Needs COM
// initialised on the calling thread (false otherwise).
bool HtmlEnginePlaysTransitions();
