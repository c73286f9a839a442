#pragma once
// Files and folders: existence tests, text decoding and encoding, the program's folder and the
// settings root, and a single-instance lock.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QSaveFile;

namespace file {

// An existing ordinary file (not a folder, not hidden). Empty path: false.
bool EsisteFile(const QString& percorso);
// An existing folder (hidden ones included). Empty path: false. Never fails.
bool EsisteCartella(const QString& percorso);

// Text bytes as UTF-16 when they begin with its byte-order mark (either order), else as UTF-8 when
// they are valid UTF-8, else as Windows-1252.
QString Decodifica(const QByteArray& byte);
// Windows-1252 bytes of a text, by the table Decodifica reads such bytes with; a character the
// code page lacks becomes '?'.
QByteArray CodificaAnsi(const QString& testo);
// Lines of a text; a line ends at CR LF, CR or LF. A line end at the very end of the text ends
// the last line (it does not start an empty one).
QStringList Righe(const QString& testo);
// The bytes of a file from its start to the end of its massimoRighe-th line (CR LF, CR or LF, in
// 16-bit units when the file begins with a UTF-16 byte-order mark), and
// never more than massimoByte of them: a line that the byte bound would cut is left out whole, so
// that no line is ever read in part. No more of the file than that is read. Nothing when the file
// cannot be read.
std::optional<QByteArray> LeggiInizio(const QString& percorso, qsizetype massimoRighe, qsizetype massimoByte);
// The first lines of a text file (as LeggiInizio reads them), decoded; nothing when it cannot be read.
std::optional<QStringList> LeggiRighe(const QString& percorso, qsizetype massimoRighe, qsizetype massimoByte);

// The folder of the running program (where its data lives).
QString CartellaProgramma();
// The root folder for settings: $XDG_CONFIG_HOME (or ~/.config) on Linux.
QString RadiceImpostazioni();
// The user's documents folder (for printouts saved as PDF).
QString CartellaDocumenti();

// Ends a write through a QSaveFile that is open: the new copy replaces the file only when every
// byte of it reached the disk. Otherwise the copy is thrown away, the file stays as it was, and
// the result is false.
bool ConcludiScrittura(QSaveFile& f);

} // namespace file

// Held while the program runs; a second copy fails to take it. A lock left by a copy that was
// killed is taken over.
class BloccoIstanza {
public:
    explicit BloccoIstanza(const QString& nome);
    ~BloccoIstanza();
    // The lock is this copy's.
    bool Preso() const;
    // Another copy holds the lock. When the lock could not be made at all (a runtime folder that
    // is full or not writable) neither this nor Preso() holds.
    bool AltraCopia() const;

private:
    struct Dati;
    std::unique_ptr<Dati> d_;
};
