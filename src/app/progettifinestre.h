#pragma once
// The design rows of the eighteen exercise windows, with the class each one is made of.
#include "frame/progetto.h"

#include <QStringList>

#include <vector>

const std::vector<ProgettoFinestra>& ProgettiFinestre();

// The design of the named window ("Form1" ... "Form15s"); nullptr for an unknown name.
const ProgettoFinestra* Progetto(const QString& nome);

// Every exercise window's name, in menu order of their exercises (mouse window, scanning copy).
const QStringList& NomiFinestreEsercizio();

// Creates the named window, titled; null for an unknown name.
std::unique_ptr<FinestraEsercizio> CreaFinestraEsercizio(Programma& p, const QString& nome);
