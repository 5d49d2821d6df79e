// The built-in view reads its pages back from the user's temp directory, where
// any program of the user can rewrite them: the reader, and the placement of
// the photograph it describes, take arbitrary text.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "ui/Error.h"
#include "view/PageReader.h"
#include "view/PhotoPlacement.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    PageContent page;
    try {
        page = ReadPage(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const Error&) {
        return 0;
    }
    if (!page.photo) return 0;
    // Photographs as JPEG allows them: from a single pixel to 65535 a side.
    for (const PixelSize photo : {PixelSize{1, 1}, PixelSize{65535, 1}, PixelSize{1, 65535},
                                  PixelSize{65535, 65535}, PixelSize{1024, 768}}) {
        PlacePhoto(*page.photo, photo);
    }
    return 0;
}
