// The tuning calculation on any six texts: what it shows is always a readable, finite number.
#include "calc/port_tuning.h"
#include "fuzz_input.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kxfuzz::Input input(data, size);
    const QLocale locale = input.locale();
    const QStringList t = input.lines(6);
    const auto tuning = kx::computeTuning({t[0], t[1], t[2], t[3], t[4], t[5]}, locale);
    if (!tuning) {
        return 0;
    }
    kxfuzz::checkShownNumber(tuning->section, locale);
    kxfuzz::checkShownNumber(tuning->portVolume, locale);
    if (!tuning->equivalentDiameter.isEmpty()) {
        kxfuzz::checkShownNumber(tuning->equivalentDiameter, locale);
    }
    kxfuzz::check(std::isfinite(tuning->kx) && tuning->kx >= 0, "Kx is a finite frequency",
                  QString::number(tuning->kx));
    kxfuzz::checkShownNumber(kx::resultText(tuning->kx, locale), locale);
    return 0;
}
