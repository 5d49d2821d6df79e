// The test stand-in for the system's PASSWORD.CPL: it answers as a test tells
// it and records how it was asked. A test loads the same file as the code
// under test, so both share one module and its state.
#pragma once

#include <windows.h>

struct PasswordLibRecord {
    int verifyCalls;
    HWND verifyWindow;
    int cursorShowCountInVerify;
};

// From now on VerifyScreenSavePwd answers `answer` and, when `moveCursor` is
// set, moves the cursor to `cursorTarget` as a user would while the dialog is
// open. Clears the record.
using PasswordLibPrepareFunction = void (*)(BOOL answer, BOOL moveCursor, POINT cursorTarget);
inline constexpr char kPasswordLibPrepare[] = "PasswordLibPrepare";

using PasswordLibReadRecordFunction = PasswordLibRecord (*)();
inline constexpr char kPasswordLibReadRecord[] = "PasswordLibReadRecord";
