#include "view/PixelBlend.h"

#include <cpuid.h>

#include <cstdlib>
#include <string_view>

#include "view/PixelBlendPaths.h"

namespace {

constexpr std::uint32_t kOpaque = 255;
constexpr std::uint32_t kWholeWeight = 256;
constexpr std::uint32_t kUnusedByte = 0xFF000000u;
constexpr std::uint32_t kRedBlue = 0x00FF00FFu;
constexpr std::uint32_t kGreen = 0x0000FF00u;
constexpr std::uint32_t kHalves = 0x00800080u;

// Two bytes of each pixel, sixteen bits apart (the fields of kRedBlue), faded
// in one multiplication each: 255 * 255 + 128 + 254 stays inside a field.
// (x + (x >> 8)) >> 8 is x / 255 rounded down for x below 65535, so adding
// half first rounds to the nearest.
std::uint32_t BlendFields(std::uint32_t from, std::uint32_t to, std::uint32_t alpha) {
    const std::uint32_t x = to * alpha + from * (kOpaque - alpha) + kHalves;
    return ((x + ((x >> 8) & kRedBlue)) >> 8) & kRedBlue;
}

void BlendPixelsScalar(const std::uint32_t* from, const std::uint32_t* to, std::uint32_t* out,
                       std::size_t count, std::uint32_t alpha) {
    for (std::size_t i = 0; i < count; ++i) out[i] = BlendPixel(from[i], to[i], alpha);
}

void MixPixelsScalar(const std::uint32_t* a, const std::uint32_t* b, std::uint32_t* out, std::size_t count,
                     std::uint32_t weightOfB) {
    for (std::size_t i = 0; i < count; ++i) out[i] = MixPixel(a[i], b[i], weightOfB);
}

const PixelLoops& ChoosePixelLoops() {
    const char* forced = std::getenv("SOLQUERA_BLEND");
    if (forced && std::string_view(forced) == "scalar") return kScalarLoops;
    return ProcessorHasSse2() ? kSse2Loops : kScalarLoops;
}

}  // namespace

const PixelLoops kScalarLoops{BlendPixelsScalar, MixPixelsScalar};

// Every Windows this program runs on (the NT family) saves the SSE registers
// across task switches, so the processor's answer is the whole answer.
bool ProcessorHasSse2() {
#ifdef __SSE2__
    return true;
#else
    unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
    return __get_cpuid(1, &eax, &ebx, &ecx, &edx) && (edx & bit_SSE2) != 0;
#endif
}

const PixelLoops& ActivePixelLoops() {
    static const PixelLoops& loops = ChoosePixelLoops();
    return loops;
}

std::uint32_t BlendPixel(std::uint32_t from, std::uint32_t to, std::uint32_t alpha) {
    return BlendFields(from & kRedBlue, to & kRedBlue, alpha) |
           BlendFields((from >> 8) & kRedBlue, (to >> 8) & kRedBlue, alpha) << 8;
}

void BlendPixels(const std::uint32_t* from, const std::uint32_t* to, std::uint32_t* out, std::size_t count,
                 std::uint32_t alpha) {
    ActivePixelLoops().blend(from, to, out, count, alpha);
}

// Red and blue in one multiplication, green in another: the fields do not overflow into each other.
std::uint32_t MixPixel(std::uint32_t a, std::uint32_t b, std::uint32_t weightOfB) {
    const std::uint32_t weightOfA = kWholeWeight - weightOfB;
    const std::uint32_t redBlue = ((a & kRedBlue) * weightOfA + (b & kRedBlue) * weightOfB) >> 8;
    const std::uint32_t green = ((a & kGreen) * weightOfA + (b & kGreen) * weightOfB) >> 8;
    return (redBlue & kRedBlue) | (green & kGreen) | kUnusedByte;
}

void MixPixels(const std::uint32_t* a, const std::uint32_t* b, std::uint32_t* out, std::size_t count,
               std::uint32_t weightOfB) {
    ActivePixelLoops().mix(a, b, out, count, weightOfB);
}
