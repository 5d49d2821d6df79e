// Any program can start the saver with any command line: splitting, the
// integer syntax and the mode choice take arbitrary bytes.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "saver/CommandLine.h"
#include "saver/IntegerSyntax.h"
#include "ui/Error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    ParseInteger(text);
    try {
        EntryFor(ChooseMode(SplitArguments(text)).mode);
    } catch (const Error&) {
        // A malformed command line is reported; that is the expected outcome.
    }
    return 0;
}
