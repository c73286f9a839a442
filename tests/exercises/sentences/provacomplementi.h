#pragma once
// What the complement windows' tests share: the window opened on one sentence, its parts and boxes,
// and the "errori" cells of the results grid.
#include "ambiente.h"
#include "exercises/sentences/finestracomplementi.h"

// A complement window opened as the launcher opens it on a list of one sentence (Form5 and Form5s
// always load their own list).
struct ProvaComplementi : ProvaFinestra<FinestraComplementi> {
    ProvaComplementi(const QString& nome, const QString& riga, int complemento, std::int16_t modo = ModoMouse)
        : ProvaFinestra(nome, {.lista = QStringLiteral("testifrasolino/complementi/") +
                                        (nome.startsWith("Form5") ? "oggetto.txt" : "prova.txt"),
                               .righe = riga.toUtf8() + "\n",
                               .modo = modo,
                               .complemento = static_cast<std::int16_t>(complemento)})
    {
    }

    Etichetta& Parte(int k) const { return f->Parole.Label3(k); }
    Etichetta& Casella(int i) const { return f->Caselle.Label4(i); }
    QStringList Errori() const { return ColonnaGriglia(*f, 2); }
};

// The boxes on screen.
inline QList<int> CaselleVisibili(FinestraComplementi& f)
{
    QList<int> v;
    for (auto it = f.Caselle.Label4.begin(); it != f.Caselle.Label4.end(); ++it)
        if ((*it).isVisible()) v << it.indice();
    return v;
}
