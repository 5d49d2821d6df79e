// Prints what the built-in view's work costs on this machine: decoding a
// photograph in full and scaled down, the set-up of a new photograph step by
// step, and one frame of each effect at full screen and preview size, drawn
// and copied (what it changed) to a window on the screen.
// Usage: transition_bench [photo.jpg]   (the screen must be 1920 x 1080 or larger)
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "view/PageImage.h"
#include "view/ScaledJpeg.h"
#include "view/TransitionPainter.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kFramesPerTransition = 180;  // three seconds at 60 frames per second
constexpr double kFrameBudgetMs = 1000.0 / 60;

double MillisecondsOf(const std::function<void()>& work, int runs) {
    const auto start = Clock::now();
    for (int i = 0; i < runs; ++i) work();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count() / runs;
}

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void BenchDecoding(const std::string& jpeg) {
    const PixelSize size = ReadJpegSize(jpeg.data(), jpeg.size());
    std::printf("Decoding a %d x %d photograph (%zu bytes):\n", size.width, size.height, jpeg.size());
    const struct {
        const char* what;
        PixelSize wanted;
    } rows[] = {
        {"full size", size},
        {"half size", {size.width / 2, size.height / 2}},
        {"for a 152 x 112 preview", {149, 112}},
        {"an eighth", {size.width / 8, size.height / 8}},
    };
    for (const auto& row : rows) {
        const int scale = JpegScaleDenominator(size, row.wanted);
        const double ms = MillisecondsOf([&] { DecodeJpegScaled(jpeg.data(), jpeg.size(), row.wanted); }, 20);
        std::printf("  %-26s 1/%d  %7.2f ms\n", row.what, scale, ms);
    }
}

HWND ShowTarget(int width, int height) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "TransitionBench";
    RegisterClassA(&windowClass);
    const HWND window =
        CreateWindowExA(WS_EX_TOPMOST, windowClass.lpszClassName, "", WS_POPUP | WS_VISIBLE, 0, 0, width,
                        height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    return window;
}

// The photograph on a page of the screen's size, fitted one way.
PagePhoto FullScreenPhoto(int width, int height, PhotoFit fit) {
    PagePhoto photo;
    photo.cell = {width, height};
    photo.fit = fit;
    return photo;
}

PixelImage RenderPhotoPage(const std::string& jpeg, int width, int height, PhotoFit fit) {
    PixelImage page;
    RenderPage(DecodePhotoForPage(jpeg.data(), jpeg.size(), FullScreenPhoto(width, height, fit)),
               {0, 0, width, height}, page);
    return page;
}

// What the view does between being handed a page and showing its first
// frame, step by step, for a fade from another photograph.
void BenchSetUp(const std::string& jpeg, int width, int height) {
    const PixelRect area{0, 0, width, height};
    const PixelImage shown = RenderPhotoPage(jpeg, width, height, PhotoFit::Width);
    const PagePhoto photo = FullScreenPhoto(width, height, PhotoFit::Height);
    const HWND window = ShowTarget(width, height);
    constexpr int kRuns = 10;
    const std::optional<PlacedPhoto> placed = DecodePhotoForPage(jpeg.data(), jpeg.size(), photo);
    TransitionPainter painter(width, height);
    double render = 0;
    double begin = 0;
    double first = 0;
    for (int run = 0; run < kRuns; ++run) {
        painter.NewPage() = shown;
        painter.Begin({});
        painter.DrawFrame(1.0);
        render += MillisecondsOf([&] { RenderPage(placed, area, painter.NewPage()); }, 1);
        begin += MillisecondsOf([&] { painter.Begin({TransitionPlan::Kind::Fade, 0, 0, 3000}); }, 1);
        first += MillisecondsOf(
            [&] {
                painter.DrawFrame(0.0);
                const HDC dc = GetDC(window);
                painter.CopyTo(dc, painter.Changed(), {0, 0});
                ReleaseDC(window, dc);
                GdiFlush();
            },
            1);
    }
    const struct {
        const char* step;
        double ms;
    } steps[] = {
        {"photograph decoded",
         MillisecondsOf([&] { DecodePhotoForPage(jpeg.data(), jpeg.size(), photo); }, kRuns)},
        {"page rendered, photo sized", render / kRuns},
        {"fade begun", begin / kRuns},
        {"first frame drawn and shown", first / kRuns},
    };
    std::printf("\nSet-up of a new photograph at %d x %d, fading in (mean of %d):\n", width, height, kRuns);
    double total = 0;
    for (const auto& step : steps) {
        std::printf("  %-30s %7.2f ms\n", step.step, step.ms);
        total += step.ms;
    }
    std::printf("  %-30s %7.2f ms\n", "in all", total);
    DestroyWindow(window);
}

struct Effect {
    std::string name;
    TransitionPlan plan;
};

std::vector<Effect> Effects() {
    std::vector<Effect> effects;
    RandomGenerator random(1);
    for (std::int32_t pattern = 0; pattern <= kRandomRevealPattern; ++pattern) {
        const TransitionPlan plan = PlanTransition({ExitTransition::Kind::Reveal, pattern, 3000}, random);
        effects.push_back({pattern == kRandomRevealPattern
                               ? "24 random (pattern " + std::to_string(plan.pattern) + ")"
                               : std::to_string(pattern) + " reveal",
                           plan});
    }
    effects.insert(effects.end() - 1,
                   {"23 fade", PlanTransition({ExitTransition::Kind::Fade, 0, 3000}, random)});
    return effects;
}

// Frame = drawing the transition's next frame and copying what it changed to the window.
void BenchFrames(const std::string& jpeg, int width, int height) {
    const PixelImage from = RenderPhotoPage(jpeg, width, height, PhotoFit::Height);
    const PixelImage to = RenderPhotoPage(jpeg, width, height, PhotoFit::Width);
    const HWND window = ShowTarget(width, height);
    const HDC screen = GetDC(window);
    std::printf("\nFrames at %d x %d (%d frames each; budget %.1f ms):\n", width, height,
                kFramesPerTransition, kFrameBudgetMs);
    std::printf("  %-28s %9s %9s %9s %8s\n", "effect", "setup ms", "mean ms", "worst ms", "fps");
    TransitionPainter painter(width, height);
    for (const Effect& effect : Effects()) {
        // The view's way: the frame shows the old page, then the new one is handed over.
        painter.NewPage() = from;
        painter.Begin({});
        painter.DrawFrame(1.0);
        const double setup = MillisecondsOf(
            [&] {
                painter.NewPage() = to;
                painter.Begin(effect.plan);
            },
            1);
        double total = 0;
        double worst = 0;
        for (int frame = 1; frame <= kFramesPerTransition; ++frame) {
            const double ms = MillisecondsOf(
                [&] {
                    painter.DrawFrame(double(frame) / kFramesPerTransition);
                    painter.CopyTo(screen, painter.Changed(), {0, 0});
                    GdiFlush();
                },
                1);
            total += ms;
            worst = std::max(worst, ms);
        }
        const double mean = total / kFramesPerTransition;
        std::printf("  %-28s %9.2f %9.2f %9.2f %8.0f%s\n", effect.name.c_str(), setup, mean, worst,
                    1000 / mean, mean > kFrameBudgetMs ? "  MISSES 60 fps" : "");
    }
    ReleaseDC(window, screen);
    DestroyWindow(window);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string path = argc > 1 ? argv[1] : std::string(SOLQUERA_PHOTO_DIR) + "\\110.jpg";
    const std::string jpeg = ReadFile(path);
    if (jpeg.empty()) {
        std::fprintf(stderr, "cannot read %s\n", path.c_str());
        return 1;
    }
    BenchDecoding(jpeg);
    BenchSetUp(jpeg, 1920, 1080);
    BenchSetUp(jpeg, 152, 112);
    BenchFrames(jpeg, 1920, 1080);
    BenchFrames(jpeg, 152, 112);
    return 0;
}
