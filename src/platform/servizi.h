#pragma once
// The services that block or reach the outside world. The program uses ServiziQt; the tests use
// a scripted fake that answers and records.
#include "colore.h"
#include "stampante.h"

#include <QString>

#include <memory>
#include <optional>

class QWidget;

// Message box styles and answers, as the windows name them.
namespace msg {
constexpr int OKOnly = 0;
constexpr int YesNo = 4;
constexpr int Critical = 16;
constexpr int Question = 32;
constexpr int Exclamation = 48;
constexpr int Information = 64;
constexpr int RispostaOK = 1;
constexpr int RispostaYes = 6;
constexpr int RispostaNo = 7;
} // namespace msg

class Servizi {
public:
    virtual ~Servizi() = default;

    // A modal message box; style = buttons (0 OK, 4 Yes/No) + icon (16, 32, 48, 64). Returns the
    // answer (1 OK, 6 Yes, 7 No). Yes is the default button.
    virtual int MsgBox(QWidget* owner, const QString& testo, int stile, const QString& titolo) = 0;

    // The open (apri true) or save file dialog. filtro is a list of "description|pattern" pairs
    // separated by '|'. Returns the chosen full path or an empty text. Opening accepts only
    // existing files; saving asks before overwriting and appends estensione to a name without one.
    virtual QString FinestraFile(QWidget* owner, bool apri, const QString& titolo, const QString& nomeIniziale,
                                 const QString& filtro, const QString& cartellaIniziale,
                                 const QString& estensione) = 0;

    // The colour dialog, starting from black; the chosen colour or nothing on cancel.
    virtual std::optional<Colore> ScegliColore(QWidget* owner) = 0;

    // Starts playing a WAV file and returns at once. A missing file plays nothing.
    virtual void Suona(const QString& percorso) = 0;

    // Opens a document with the desktop's application for it. False when the document is missing
    // or the desktop has no way to open it; a desktop application that fails after it started is
    // not seen.
    virtual bool ApriDocumento(QWidget* owner, const QString& percorso) = 0;

    // A printer for one print job; with soloPdf, a PDF file in the user's documents folder (the
    // way out when no printer is installed or a job failed).
    virtual std::unique_ptr<Stampante> NuovaStampante(bool soloPdf = false) = 0;
};

std::unique_ptr<Servizi> CreaServiziQt();
