#pragma once
// The design rows of the eighteen exercise windows, with the class each one is made of. Each row
// is a member of one table: the menu names its windows by member, so that a misspelt window does
// not compile.
#include "frame/progetto.h"

#include <QStringList>

struct ProgettiEsercizi {
    ProgettoFinestra Form1, Form1s, Form3, Form3s, Form2, Form2s, Form4, Form4s, Form15, Form15s;
    ProgettoFinestra Form5, Form5s, Form7, Form7s, Form11, Form11s, Form14, Form14s;
};
const ProgettiEsercizi& Progetti();

// One row of the table, named by its member: &ProgettiEsercizi::Form7.
using RigaProgetti = ProgettoFinestra ProgettiEsercizi::*;

// The design of the named window ("Form1" ... "Form15s"); nullptr for an unknown name.
const ProgettoFinestra* Progetto(const QString& nome);

// Every exercise window's name, in menu order of their exercises (mouse window, scanning copy).
const QStringList& NomiFinestreEsercizio();

// Creates the window of a row, titled.
std::unique_ptr<FinestraEsercizio> CreaFinestraEsercizio(Programma& p, const ProgettoFinestra& progetto);
// Creates the named window, titled; null for an unknown name.
std::unique_ptr<FinestraEsercizio> CreaFinestraEsercizio(Programma& p, const QString& nome);
