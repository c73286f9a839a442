#pragma once
// The five persistent settings and their file, the settings folders with their notice, and the
// existence tests for files and folders.
//
// The settings file holds five lines, one value each, every line ending with CR LF:
//   True|False, True|False, mode, speed, colour
// numbers written with a blank (or a minus sign) before them and a blank after them. Text files
// are written as single-byte Windows-1252 text.
#include "core/programma.h"
#include "platform/file.h"

#include <QByteArray>
#include <QString>

#include <optional>

class QWidget;

// Where the settings live, under the settings root of the Programma.
QString CartellaRadiceImpostazioni(const Programma& p); // ".../ImpostazioniProgrammiVelmora/"
QString CartellaImpostazioni(const Programma& p);       // ".../ImpostazioniProgrammiVelmora/frasolino/"
QString FileImpostazioni(const Programma& p);           // ".../frasolino/frasolino-1.INI"
QString FileLeggimi(const Programma& p);                // ".../ImpostazioniProgrammiVelmora/leggimi.txt"

inline bool EsisteFile(const QString& percorso) { return file::EsisteFile(percorso); }
inline bool EsisteCartella(const QString& percorso) { return file::EsisteCartella(percorso); }

// All five settings to their defaults: sounds on, own pointers, mouse, speed 4, red.
void ImpostazioniPredefinite(Programma& p);

// Fills the five settings from the settings file; on any fault of the file (missing, fewer than
// five lines, a value that is not a number of its kind or lies outside what the configuration
// offers) all five take their defaults. Never reports anything.
void LeggiImpostazioni(Programma& p);

// Rewrites the settings file from the five settings, never leaving it half written. When it
// cannot be written the user is told in a message box (owned by `owner`) and false is returned;
// the settings stay in memory.
bool SalvaImpostazioni(Programma& p, QWidget* owner = nullptr);

// Creates the settings root and the program's subfolder where missing. A folder that cannot be
// created is passed over in silence: the program then runs with the settings in memory.
void CreaCartelleImpostazioni(Programma& p);

// Creates a folder (with any missing parent) and rewrites the notice file in the settings root.
// False when the folder or the notice could not be written.
bool CreaCartella(Programma& p, const QString& percorso);

// --- The file formats, without touching the disk ---

// A number as the settings file writes it: sign place (blank or '-'), digits, one blank. A double
// with no fractional part has no decimal point; one with a fraction is written as the shortest
// decimal that reads back to the same value, with '.' as the separator.
QString NumeroScritto(double valore);

// The whole settings file for the given values.
QByteArray TestoImpostazioni(const Impostazioni& valori);

// The settings read from the bytes of a settings file; nothing when the file is faulty.
std::optional<Impostazioni> InterpretaImpostazioni(const QByteArray& byte);

// The notice file's bytes.
QByteArray TestoLeggimi();
