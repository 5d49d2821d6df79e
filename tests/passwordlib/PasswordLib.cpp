#include "PasswordLib.h"

namespace {

BOOL answer = TRUE;
BOOL moveCursor = FALSE;
POINT cursorTarget = {0, 0};
PasswordLibRecord record = {};

// ShowCursor reports the count it leaves; undo the probe at once.
int CursorShowCount() {
    ShowCursor(FALSE);
    return ShowCursor(TRUE);
}

}  // namespace

extern "C" {

__declspec(dllexport) void PasswordLibPrepare(BOOL verifyAnswer, BOOL moveCursorInVerify, POINT target) {
    answer = verifyAnswer;
    moveCursor = moveCursorInVerify;
    cursorTarget = target;
    record = {};
}

__declspec(dllexport) PasswordLibRecord PasswordLibReadRecord() {
    return record;
}

__declspec(dllexport) BOOL WINAPI VerifyScreenSavePwd(HWND window) {
    ++record.verifyCalls;
    record.verifyWindow = window;
    record.cursorShowCountInVerify = CursorShowCount();
    if (moveCursor) SetCursorPos(cursorTarget.x, cursorTarget.y);
    return answer;
}

}  // extern "C"
