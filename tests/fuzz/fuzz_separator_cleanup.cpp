// correggiSeparatore on any sequence of changes to any fields: it never lengthens a text, drops at
// most one character and only a separator, and leaves a text with at most one separator alone.
#include "entry/module1.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const kxfuzz::Input input(data, size);
    const QLocale& locale = input.locale;
    kx::Module1 module;
    const QStringList changes = input.text.split(QLatin1Char('\n'));
    for (const QString& change : changes) {
        // The first character picks the field; the rest is the text the change leaves in it.
        const auto field = kx::kNumericFields[change.isEmpty() ? 0 : change.front().unicode() % 5];
        const QString text = change.mid(1);
        const QString result = module.correggiSeparatore(field, text, locale);
        kxfuzz::check(result.size() <= text.size(), "never longer", text);
        if (result != text) {
            kxfuzz::check(result.size() == text.size() - 1, "drops one character at most", text);
            qsizetype at = 0;
            while (at < result.size() && result[at] == text[at]) {
                ++at;
            }
            const QChar dropped = text[at];
            kxfuzz::check(dropped == QLatin1Char(',') || dropped == QLatin1Char('.'),
                          "drops only a separator", text);
            kxfuzz::check(text.mid(at + 1) == result.mid(at), "keeps everything else", text);
            kxfuzz::check(text.count(dropped) >= 2, "a separator goes only when there is a second", text);
        }
        if (text.count(QLatin1Char(',')) <= 1 && text.count(QLatin1Char('.')) <= 1) {
            kxfuzz::check(result == text, "at most one separator: unchanged", text);
        }
        // The write-back's own change, as the field raises it.
        if (result != text) {
            kxfuzz::check(module.correggiSeparatore(field, result, locale) == result, "its own change passes",
                          result);
        }
    }
    return 0;
}
