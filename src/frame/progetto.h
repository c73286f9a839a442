#pragma once
// What the eighteen exercise windows do differently around their exercise, as data: the design
// size, whether the window scans, its menu bar, its results grid layout, the list it starts from
// and its level menu.
#include <QSize>
#include <QString>
#include <QStringList>

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

// Where the "frase" cell of a result row comes from.
enum class FonteFrase { TestoFrase, CaptionsLabel3 };

struct ProgettoFinestra {
    QString nome;
    QSize client;        // design client size, twips
    bool scansione;      // has the scan timer
    BarraMenu menu;
    LayoutGriglia griglia;
    FonteFrase frase;
    ListaIniziale lista;
    bool livelloAlCaricamento; // Livello = 1 at load
    QStringList livelli;       // captions of the level menu's items (none: no level menu)
    int livelloSpuntato;       // the level item checked at design (1-based; 0 none)
    bool grigliaVerdana;       // the grid's font is Verdana 12 regular instead of Arial 12 bold
};

// The design of the named window ("Form1" ... "Form15s"); nullptr for an unknown name.
const ProgettoFinestra* Progetto(const QString& nome);

// Every exercise window's name, in menu order of their exercises (mouse window, scanning copy).
const QStringList& NomiFinestreEsercizio();

// Width unit of the results grid: the window's outer width integer-divided by 18.
constexpr int UnitaGriglia(int larghezzaFinestra) { return larghezzaFinestra / 18; }

// Column widths of a grid layout, in units.
QList<int> UnitaColonne(LayoutGriglia layout);
