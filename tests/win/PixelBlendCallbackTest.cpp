// The fade's mix where the saver runs it, in a window procedure and in the
// timer's procedure, entered on a stack four bytes off the sixteen-byte
// alignment (all 32-bit Windows promises a callback): the i686 build takes
// its SSE2 loop there, and a spill that relied on the alignment would fault.
#include <gtest/gtest.h>

#include <windows.h>

#include "driver/MessagePump.h"
#include "driver/TestWindow.h"
#include "ui/Timer.h"
#include "view/PixelBlend.h"
#include "view/PixelBlendPaths.h"

namespace {

int blendsRight = 0;

void BlendARow() {  // four pixels for the SSE2 loop, three for the scalar rest
    const std::uint32_t from[7] = {0, 0xFFFFFFFF, 0x12345678, 0x80808080, 0xFF00FF00, 0x01020304, 0xCAFEBABE};
    const std::uint32_t to[7] = {0xFFFFFFFF, 0, 0x87654321, 0x7F7F7F7F, 0x00FF00FF, 0x04030201, 0xDEADBEEF};
    std::uint32_t out[7];
    BlendPixels(from, to, out, 7, 100);
    for (int i = 0; i < 7; ++i) {
        if (out[i] != BlendPixel(from[i], to[i], 100)) return;
    }
    ++blendsRight;
}

// Enters BlendARow with the stack pointer eight bytes past a sixteen-byte boundary.
void BlendOnAMisalignedStack() {
#ifdef __i386__
    void (*blend)() = BlendARow;
    asm volatile("movl %%esp, %%esi\n\tandl $-16, %%esp\n\tsubl $4, %%esp\n\tcall *%0\n\tmovl %%esi, %%esp"
                 : "+a"(blend)
                 :
                 : "ecx", "edx", "esi", "memory", "cc");
#else
    BlendARow();  // the 64-bit system aligns every callback's stack
#endif
}

LRESULT CALLBACK BlendingWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APP) BlendOnAMisalignedStack();
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST(PixelBlendInCallbacks, TheSse2PathRunsFromAWindowAndATimerProcedure) {
    ASSERT_TRUE(ProcessorHasSse2());
    EXPECT_EQ(&ActivePixelLoops(), &kSse2Loops);
    blendsRight = 0;
    const HWND window = CreateTestWindow({"SolqueraBlendingWindow", WS_POPUP, {0, 0, 10, 10}});
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(BlendingWindowProc));
    SendMessageA(window, WM_APP, 0, 0);
    EXPECT_EQ(blendsRight, 1);
    DestroyWindow(window);
    Timer timer(10, [] { BlendOnAMisalignedStack(); });
    timer.SetEnabled(true);
    EXPECT_TRUE(WaitUntil([] { return blendsRight >= 2; })) << blendsRight;
}

}  // namespace
