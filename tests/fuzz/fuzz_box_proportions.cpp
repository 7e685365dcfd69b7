// The optimiser on any volume text: three readable, finite dimensions, or none at all.
#include "calc/box_proportions.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kxfuzz::Input input(data, size);
    const QLocale locale = input.locale();
    const auto box = kx::proportionBox(input.rest(), locale);
    if (box) {
        for (const QString& shown : {box->height, box->width, box->depth}) {
            kxfuzz::checkShownNumber(shown, locale);
        }
    }
    return 0;
}
