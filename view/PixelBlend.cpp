#include "view/PixelBlend.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

constexpr std::uint32_t kOpaque = 255;
constexpr std::uint32_t kWholeWeight = 256;
constexpr std::uint32_t kUnusedByte = 0xFF000000u;
constexpr std::uint32_t kHalf = 127;

// x / 255 rounded down, exact for x below 65535, without a division.
constexpr std::uint32_t DivideBy255(std::uint32_t x) {
    return (x + 1 + (x >> 8)) >> 8;
}

}  // namespace

std::uint32_t BlendPixel(std::uint32_t from, std::uint32_t to, std::uint32_t alpha) {
    std::uint32_t result = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const std::uint32_t f = (from >> shift) & 0xFF;
        const std::uint32_t t = (to >> shift) & 0xFF;
        result |= DivideBy255(t * alpha + f * (kOpaque - alpha) + kHalf) << shift;
    }
    return result;
}

void BlendPixels(const std::uint32_t* from, const std::uint32_t* to, std::uint32_t* out, std::size_t count,
                 std::uint32_t alpha) {
    std::size_t i = 0;
#ifdef __SSE2__
    // Sixteen-bit lanes, the same steps as DivideBy255: 255 * 255 + 127 + 1 + 254 still fits.
    const __m128i zero = _mm_setzero_si128();
    const __m128i toWeight = _mm_set1_epi16(static_cast<short>(alpha));
    const __m128i fromWeight = _mm_set1_epi16(static_cast<short>(kOpaque - alpha));
    const __m128i half = _mm_set1_epi16(kHalf);
    const __m128i one = _mm_set1_epi16(1);
    const auto mix = [&](__m128i f, __m128i t) {
        const __m128i x =
            _mm_add_epi16(_mm_add_epi16(_mm_mullo_epi16(t, toWeight), _mm_mullo_epi16(f, fromWeight)), half);
        return _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(x, one), _mm_srli_epi16(x, 8)), 8);
    };
    for (; i + 4 <= count; i += 4) {
        const __m128i f = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + i));
        const __m128i t = _mm_loadu_si128(reinterpret_cast<const __m128i*>(to + i));
        const __m128i low = mix(_mm_unpacklo_epi8(f, zero), _mm_unpacklo_epi8(t, zero));
        const __m128i high = mix(_mm_unpackhi_epi8(f, zero), _mm_unpackhi_epi8(t, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_packus_epi16(low, high));
    }
#endif
    for (; i < count; ++i) out[i] = BlendPixel(from[i], to[i], alpha);
}

// Red and blue in one multiplication, green in another: the fields do not overflow into each other.
std::uint32_t MixPixel(std::uint32_t a, std::uint32_t b, std::uint32_t weightOfB) {
    const std::uint32_t weightOfA = kWholeWeight - weightOfB;
    const std::uint32_t redBlue = ((a & 0xFF00FFu) * weightOfA + (b & 0xFF00FFu) * weightOfB) >> 8;
    const std::uint32_t green = ((a & 0x00FF00u) * weightOfA + (b & 0x00FF00u) * weightOfB) >> 8;
    return (redBlue & 0xFF00FFu) | (green & 0x00FF00u) | kUnusedByte;
}

void MixPixels(const std::uint32_t* a, const std::uint32_t* b, std::uint32_t* out, std::size_t count,
               std::uint32_t weightOfB) {
    std::size_t i = 0;
#ifdef __SSE2__
    // 255 * 256 fits a sixteen-bit lane.
    const __m128i zero = _mm_setzero_si128();
    const __m128i weightA = _mm_set1_epi16(static_cast<short>(kWholeWeight - weightOfB));
    const __m128i weightB = _mm_set1_epi16(static_cast<short>(weightOfB));
    const __m128i unused = _mm_set1_epi32(static_cast<int>(kUnusedByte));
    const auto mix = [&](__m128i x, __m128i y) {
        return _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(x, weightA), _mm_mullo_epi16(y, weightB)), 8);
    };
    for (; i + 4 <= count; i += 4) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + i));
        const __m128i y = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + i));
        const __m128i low = mix(_mm_unpacklo_epi8(x, zero), _mm_unpacklo_epi8(y, zero));
        const __m128i high = mix(_mm_unpackhi_epi8(x, zero), _mm_unpackhi_epi8(y, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i),
                         _mm_or_si128(_mm_packus_epi16(low, high), unused));
    }
#endif
    for (; i < count; ++i) out[i] = MixPixel(a[i], b[i], weightOfB);
}
