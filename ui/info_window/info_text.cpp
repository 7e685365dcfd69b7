#include "ui/info_window/info_text.h"

#include <vector>

namespace kx {
namespace {

constexpr int kIndent = 100;

std::vector<InfoLine> buildLines() {
    // One line ends in 60 blanks: they draw nothing, and are part of the line all the same.
    const QString blanks(60, QLatin1Char(' '));
    return {
        {QString(), 0},
        {QStringLiteral(
             "Questo programma non si prefigge di risolvere i molteplici problemi per la costruzione"),
         kIndent},
        {QStringLiteral(
             "di una cassa acustica reflex, ma dare dei valori per poter iniziare un buon lavoro!"),
         kIndent},
        {QStringLiteral("Ovviamente l'unico dato importante da conoscere \u00E8 la frequenza di risonanza "
                        "dell'altoparlante"),
         kIndent},
        {QString(), kIndent},
        {QStringLiteral("Il programma \u00E8 suddiviso in due parti."), kIndent},
        {QStringLiteral("La prima parte: "), kIndent},
        {QStringLiteral(
             "introdurre le dimensioni del condotto reflex sia con forma circolare o quadrangolare, la "
             "sua lunghezza"),
         kIndent},
        {QStringLiteral("ed il valore del volume della cassa; "), kIndent},
        {QStringLiteral(
             "in seguito cliccare su  [calcola Kx] si ottiene la frequenza di accordo cassa e tubo "
             "reflex."),
         kIndent},
        {QStringLiteral("La seconda parte: "), kIndent},
        {QStringLiteral(
             "[Ottimizza dimensioni del box] immettendo il valore del volume della cassa si calcolano le "
             "dimensioni ideali (proporzione aurea).") +
             blanks,
         kIndent},
        {QStringLiteral(
             "Il valore ottenuto non \u00E8 restrittivo, ma solo indicativo per la realizazione della "
             "cassa, ma \u00E8,comunque, un buon inizio !..."),
         kIndent},
        {QString(), kIndent},
        {QString(), kIndent},
    };
}

} // namespace

std::span<const InfoLine> informationLines() {
    static const std::vector<InfoLine> lines = buildLines();
    return lines;
}

} // namespace kx
