#pragma once
// The scripted fake of the services: message boxes answer from a queue (Yes, or OK for an
// OK-only box, when the queue is empty) and every box shown is recorded; file and colour
// dialogs answer from queues; sounds, opened documents and print jobs are recorded.
#include "platform/servizi.h"
#include "stampanteregistratrice.h"

#include <QPointer>
#include <QString>
#include <QWidget>
#include <QStringList>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class ServiziFinti : public Servizi {
public:
    struct Messaggio {
        QString testo;
        int stile = 0;
        QString titolo;
        QPointer<QWidget> proprietario; // the window the box belongs to
    };
    struct RichiestaFile {
        bool apri = true;
        QString titolo, nomeIniziale, filtro, cartellaIniziale, estensione;
    };

    // Answers of the next message boxes (msg::RispostaYes, msg::RispostaNo, ...), first first.
    std::deque<int> risposte;
    std::vector<Messaggio> messaggi;
    // Called while a box is "shown", before it answers (e.g. to look at the window meanwhile).
    std::function<void(const Messaggio&)> mentreMessaggio;

    // Paths the next file dialogs return ("" = cancelled; an empty queue cancels).
    std::deque<QString> fileScelti;
    std::vector<RichiestaFile> richiesteFile;

    // Colours the next colour dialogs return (nothing = cancelled; an empty queue cancels).
    std::deque<std::optional<Colore>> coloriScelti;
    int richiesteColore = 0;

    QStringList suoni;
    QStringList documenti;
    bool esitoDocumento = true; // what opening a document answers

    // One record per print job, in order; how the next printers behave.
    std::vector<std::shared_ptr<RegistroStampa>> stampe;
    // A real printer's answer and destination; a PDF printer always succeeds, into destinazionePdf.
    bool esitoStampa = true;
    QString destinazioneStampa;
    QString destinazionePdf = QStringLiteral("/documenti/frasolino-risultati.pdf");

    int MsgBox(QWidget* owner, const QString& testo, int stile, const QString& titolo) override;
    QString FinestraFile(QWidget* owner, bool apri, const QString& titolo, const QString& nomeIniziale,
                         const QString& filtro, const QString& cartellaIniziale, const QString& estensione) override;
    std::optional<Colore> ScegliColore(QWidget* owner) override;
    void Suona(const QString& percorso) override;
    bool ApriDocumento(QWidget* owner, const QString& percorso) override;
    std::unique_ptr<Stampante> NuovaStampante(bool soloPdf = false) override;

    // The texts of the boxes shown, in order.
    QStringList TestiMessaggi() const;
};
