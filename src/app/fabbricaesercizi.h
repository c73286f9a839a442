#pragma once
// Makes the exercise window of the given name ("Form1", "Form1s", ... "Form15s"); null for a
// name that is not an exercise window.
#include "core/programma.h"
#include "platform/finestra.h"

#include "frame/progetto.h"

#include <QString>

#include <memory>

std::unique_ptr<Finestra> CreaFinestraEsercizio(Programma& p, const QString& nome);
