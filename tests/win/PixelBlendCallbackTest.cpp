// The fade's mix where the saver runs it: inside a window procedure and a
// timer procedure, on a stack four bytes off the sixteen-byte alignment,
// which is all 32-bit Windows promises a callback. SSE2 code that spilled to
// aligned slots without realigning its stack would fault here.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "driver/MessagePump.h"
#include "driver/TestWindow.h"
#include "view/PixelBlend.h"
#include "view/PixelBlendPaths.h"

namespace {

constexpr UINT kBlend = WM_APP + 1;

int blendsRight = 0;

void BlendARowAndCheckIt() {
    std::vector<std::uint32_t> from(37), to(37), out(37);
    for (std::uint32_t i = 0; i < from.size(); ++i) {
        from[i] = i * 0x01030507u;
        to[i] = ~from[i] * 3;
    }
    BlendPixels(from.data(), to.data(), out.data(), out.size(), 100);
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (out[i] != BlendPixel(from[i], to[i], 100)) return;
    }
    ++blendsRight;
}

// Enters the row's blend with the stack pointer eight bytes past a
// sixteen-byte boundary, four off what an aligned call leaves.
void BlendOnAMisalignedStack() {
#ifdef __i386__
    void (*blend)() = BlendARowAndCheckIt;
    asm volatile(
        "movl %%esp, %%esi\n\t"
        "andl $-16, %%esp\n\t"
        "subl $4, %%esp\n\t"
        "call *%0\n\t"
        "movl %%esi, %%esp"
        : "+a"(blend)
        :
        : "ecx", "edx", "esi", "memory", "cc");
#else
    BlendARowAndCheckIt();  // the 64-bit system aligns every callback's stack
#endif
}

LRESULT CALLBACK BlendingWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kBlend) return DefWindowProcA(window, message, wParam, lParam);
    BlendOnAMisalignedStack();
    return 0;
}

void CALLBACK BlendingTimerProc(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    BlendOnAMisalignedStack();
}

TEST(PixelBlendInCallbacks, TheSse2PathRunsFromAWindowAndATimerProcedure) {
    ASSERT_TRUE(ProcessorHasSse2());
    EXPECT_EQ(&ActivePixelLoops(), &kSse2Loops);
    blendsRight = 0;
    const HWND window = CreateTestWindow({"SolqueraBlendingWindow", WS_POPUP, {0, 0, 10, 10}});
    ASSERT_NE(window, nullptr);
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(BlendingWindowProc));
    SendMessageA(window, kBlend, 0, 0);
    EXPECT_EQ(blendsRight, 1);
    DestroyWindow(window);
    ASSERT_NE(SetTimer(nullptr, 0, 10, BlendingTimerProc), 0u);
    EXPECT_TRUE(WaitUntil([] { return blendsRight == 2; })) << blendsRight;
}

}  // namespace
