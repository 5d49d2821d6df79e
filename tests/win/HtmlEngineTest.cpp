// The platform test that picks the page view. Wine's engine calls itself 11
// and has no HTML document class, so the built-in view is the one for Wine.
#include <gtest/gtest.h>

#include <windows.h>
#include <objbase.h>

#include "saver/HtmlEngine.h"

TEST(HtmlEngine, WinesEngineDoesNotPlayPageTransitions) {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    EXPECT_FALSE(HtmlEnginePlaysTransitions());
    CoUninitialize();
}

TEST(HtmlEngine, WithoutComTheAnswerIsNo) {
    EXPECT_FALSE(HtmlEnginePlaysTransitions());
}
