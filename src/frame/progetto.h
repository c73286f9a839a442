#pragma once
// What the eighteen exercise windows do differently around their exercise, as data: one design row
// per window (the table is the launcher's, which knows every window class).
#include <QSize>
#include <QString>
#include <QStringList>

#include <memory>

enum class LayoutGriglia {
    Coppie,            // n. coppie, frasi esatte, frasi errate
    Livelli,           // liv., frase, errori
    SoggettoPredicato, // liv., soggetto, predicato, errori
    Frasi,             // frase, errori
    FrasiSottinteso,   // frase, errori, with a wider errori column
};

enum class BarraMenu {
    Normale,          // Chiudi griglia, Utilità, Azzera conteggio, [Esercizio], Esci
    Abbina,           // the mouse matching window
    AbbinaScansione,  // the scanning matching window
};

enum class ListaIniziale {
    Coppie,      // the pair list: the path chosen earlier, or the default list
    Livello,     // liv<Livello>.txt, with Livello = 1
    Sottinteso,  // sottinteso.txt
    Oggetto,     // oggetto.txt, written into FileEsercizio
    Complemento, // FileEsercizio as the launcher left it
};

class FinestraEsercizio;
class Programma;

struct ProgettoFinestra;
// Creates a window object from its design row.
using CreatoreFinestra = std::unique_ptr<FinestraEsercizio> (*)(Programma&, const ProgettoFinestra&);

// The creator of a window class that takes (Programma&, const ProgettoFinestra&).
template <class F>
std::unique_ptr<FinestraEsercizio> Crea(Programma& p, const ProgettoFinestra& progetto)
{
    return std::make_unique<F>(p, progetto);
}

// One exercise window's design row: everything in which the frames of the eighteen windows differ.
struct ProgettoFinestra {
    QString nome{};      // "Form1" ... "Form15s"
    QString esercizio{}; // the title after "Frasolino - 1° - "
    CreatoreFinestra crea = nullptr;
    QSize client{};      // design client size, twips
    bool scansione = false; // keys and switches through focus holders and the scan timer
    BarraMenu menu = BarraMenu::Normale;
    LayoutGriglia griglia = LayoutGriglia::Frasi;
    ListaIniziale lista = ListaIniziale::Complemento;
    bool livelloAlCaricamento = false; // Livello = 1 at load
    QStringList livelli{};               // captions of the level menu's items (none: no level menu)
    int livelloSpuntato = 0;           // the level item checked at design (1-based; 0 none)
    bool grigliaVerdana = false;       // the grid's font is Verdana 12 regular instead of Arial 12 bold

    // "Esci" asks MessaggioTornaMenu and zeroes the counters; otherwise it shows the menu at once.
    bool chiedeUscita = true;
    // The status bar: its third panel "Avanti" and the font size of its texts.
    bool pannelloAvanti = true;
    double puntiBarraStato = 12;
    // The scan timer runs on while the grid is shown or printed.
    bool timerConGriglia = false;
    // "Chiudi griglia" is available from the load on.
    bool chiudiAlCaricamento = false;
    // The level menu stays as it is while the grid is shown (it orders the items, it does not
    // choose a list).
    bool livelliConGriglia = false;

    // The list comes from the launcher's FileEsercizio, and another list chosen goes there too.
    bool ListaDelLancio() const { return lista == ListaIniziale::Oggetto || lista == ListaIniziale::Complemento; }
};

// Width unit of the results grid: the window's outer width integer-divided by 18.
constexpr int UnitaGriglia(int larghezzaFinestra) { return larghezzaFinestra / 18; }

// Column widths of a grid layout, in units.
QList<int> UnitaColonne(LayoutGriglia layout);
