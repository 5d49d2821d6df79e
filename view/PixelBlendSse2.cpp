// The mixes four pixels at a time. In the i686 build only this file is
// compiled for SSE2 (cmake/sources.cmake), and its functions run only where
// ProcessorHasSse2(). Their entries realign the stack (-mstackrealign): 32-bit
// Windows calls window and timer procedures on a stack aligned to only four
// bytes, where a spill to a sixteen-byte slot would fault.
#include <emmintrin.h>

#include "view/PixelBlend.h"
#include "view/PixelBlendPaths.h"

namespace {

// Four pixels of each row at a time, each half widened to sixteen-bit lanes
// for mix; returns how many pixels are done (the rest take the scalar mix).
template <typename Mix>
std::size_t FourAtATime(const std::uint32_t* a, const std::uint32_t* b, std::uint32_t* out, std::size_t count,
                        Mix mix) {
    const __m128i zero = _mm_setzero_si128();
    std::size_t i = 0;
    for (; i + 4 <= count; i += 4) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + i));
        const __m128i y = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + i));
        const __m128i low = mix(_mm_unpacklo_epi8(x, zero), _mm_unpacklo_epi8(y, zero));
        const __m128i high = mix(_mm_unpackhi_epi8(x, zero), _mm_unpackhi_epi8(y, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_packus_epi16(low, high));
    }
    return i;
}

// The same steps as the scalar BlendPixel.
void BlendPixelsSse2(const std::uint32_t* from, const std::uint32_t* to, std::uint32_t* out,
                     std::size_t count, std::uint32_t alpha) {
    const __m128i toWeight = _mm_set1_epi16(static_cast<short>(alpha));
    const __m128i fromWeight = _mm_set1_epi16(static_cast<short>(255 - alpha));
    const __m128i half = _mm_set1_epi16(128);
    const auto mix = [&](__m128i f, __m128i t) {
        const __m128i x =
            _mm_add_epi16(_mm_add_epi16(_mm_mullo_epi16(t, toWeight), _mm_mullo_epi16(f, fromWeight)), half);
        return _mm_srli_epi16(_mm_add_epi16(x, _mm_srli_epi16(x, 8)), 8);
    };
    for (std::size_t i = FourAtATime(from, to, out, count, mix); i < count; ++i) {
        out[i] = BlendPixel(from[i], to[i], alpha);
    }
}

// 255 * 256 fits a sixteen-bit lane; the unused byte (every fourth lane) is set to 255.
void MixPixelsSse2(const std::uint32_t* a, const std::uint32_t* b, std::uint32_t* out, std::size_t count,
                   std::uint32_t weightOfB) {
    const __m128i weightA = _mm_set1_epi16(static_cast<short>(256 - weightOfB));
    const __m128i weightB = _mm_set1_epi16(static_cast<short>(weightOfB));
    const __m128i unused = _mm_set_epi16(255, 0, 0, 0, 255, 0, 0, 0);
    const auto mix = [&](__m128i x, __m128i y) {
        const __m128i sum = _mm_add_epi16(_mm_mullo_epi16(x, weightA), _mm_mullo_epi16(y, weightB));
        return _mm_or_si128(_mm_srli_epi16(sum, 8), unused);
    };
    for (std::size_t i = FourAtATime(a, b, out, count, mix); i < count; ++i)
        out[i] = MixPixel(a[i], b[i], weightOfB);
}

}  // namespace

const PixelLoops kSse2Loops{BlendPixelsSse2, MixPixelsSse2};
