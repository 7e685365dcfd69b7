#include "ui/info_window/info_text.h"

#include <QCoreApplication>

namespace kx {

// A line of the window to a line here.
// clang-format off
QStringList informationLines() {
    //: The information window's text, drawn line for line as it stands here, each line as wide as the
    //: window allows: lay the lines out anew to fit it. Square brackets name a button of the window.
    //: Line 12 ends in 60 blanks that draw nothing.
    return QCoreApplication::translate("kx::FORMinfo",
        "\n"
        "Questo programma non si prefigge di risolvere i molteplici problemi per la costruzione\n"
        "di una cassa acustica reflex, ma dare dei valori per poter iniziare un buon lavoro!\n"
        "Ovviamente l'unico dato importante da conoscere è la frequenza di risonanza dell'altoparlante\n"
        "\n"
        "Il programma è suddiviso in due parti.\n"
        "La prima parte: \n"
        "introdurre le dimensioni del condotto reflex sia con forma circolare o quadrangolare, la sua lunghezza\n"
        "ed il valore del volume della cassa; \n"
        "in seguito cliccare su  [calcola Kx] si ottiene la frequenza di accordo cassa e tubo reflex.\n"
        "La seconda parte: \n"
        "[Ottimizza dimensioni del box] immettendo il valore del volume della cassa si calcolano le dimensioni ideali (proporzione aurea).                                                            \n"
        "Il valore ottenuto non è restrittivo, ma solo indicativo per la realizazione della cassa, ma è,comunque, un buon inizio !...\n"
        "\n"
        "")
        .split(QLatin1Char('\n'));
}
// clang-format on

} // namespace kx
