#pragma once
// The one fixture of the tests: a fresh program with its own program folder and settings root
// (temporary folders), scripted services, a fixed seed, the shipped lists copied into the program
// folder, and the windows made as the program makes them (the launcher's registry).
#include "app/registro.h"
#include "copione.h"
#include "frame/finestraesercizio.h"
#include "core/impostazioni.h"
#include "core/programma.h"
#include "platform/controlli.h"
#include "servizifinti.h"

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>

#include "tastiera.h"

#include <algorithm>
#include <memory>

struct Ambiente {
    QTemporaryDir cartellaProgramma;
    QTemporaryDir radice;
    ServiziFinti* servizi = nullptr; // owned by p
    std::unique_ptr<Programma> p;
    int fini = 0;          // times the program was ended
    int menuMostrato = 0;  // times an exercise window asked for the menu (without a registry)

    explicit Ambiente(const QString& radiceImpostazioni = QString())
    {
        // A fresh program: no key is down.
        tastiera::LasciaTutti();
        auto s = std::make_unique<ServiziFinti>();
        servizi = s.get();
        p = std::make_unique<Programma>(std::move(s), cartellaProgramma.path(),
                                        radiceImpostazioni.isEmpty() ? radice.path() : radiceImpostazioni);
        p->Semina(20240607);
        p->MessaggioTornaMenu = QStringLiteral("Vuoi tornare al menù?");
        p->finestre().FineProgramma = [this] { ++fini; };
        p->MostraMenu = [this] { ++menuMostrato; };
        CopiaCartella(QStringLiteral(FRASOLINO_DATI_SORGENTE "/testifrasolino"),
                      cartellaProgramma.filePath(QStringLiteral("testifrasolino")));
    }
    ~Ambiente()
    {
        registro_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The program's windows; from the first call on, the menu is shown as the program shows it.
    RegistroFinestre& registro()
    {
        if (!registro_) registro_ = std::make_unique<RegistroFinestre>(*p);
        return *registro_;
    }
    // The exercise window of the given name, opened through the registry.
    template <class F = FinestraEsercizio>
    F* Apri(const QString& nome)
    {
        Finestra* f = registro().Esercizio(nome);
        if (f) f->Mostra();
        // Then what the opening left for the event loop (a message about the list), as it comes.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
        return dynamic_cast<F*>(f);
    }

    // Writes bytes into the program folder, creating the folders on the way; returns the path.
    QString Scrivi(const QString& relativo, const QByteArray& byte) const
    {
        const QString percorso = cartellaProgramma.filePath(relativo);
        QDir().mkpath(QFileInfo(percorso).path());
        QFile f(percorso);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(byte);
        return percorso;
    }

    static void CopiaCartella(const QString& da, const QString& a)
    {
        QDir().mkpath(a);
        const QDir sorgente(da);
        for (const QFileInfo& voce : sorgente.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
            if (voce.isDir())
                CopiaCartella(voce.filePath(), QDir(a).filePath(voce.fileName()));
            else
                QFile::copy(voce.filePath(), QDir(a).filePath(voce.fileName()));
        }
    }

    // Writes the settings file as given, creating its folder.
    void ScriviImpostazioni(const QByteArray& byte) const
    {
        QDir().mkpath(CartellaImpostazioni(*p));
        QFile f(FileImpostazioni(*p));
        f.open(QIODevice::WriteOnly);
        f.write(byte);
    }

    static QByteArray Leggi(const QString& percorso)
    {
        QFile f(percorso);
        if (!f.open(QIODevice::ReadOnly)) return {};
        return f.readAll();
    }

    QByteArray FileImpostazioniLetto() const { return Leggi(FileImpostazioni(*p)); }

private:
    std::unique_ptr<RegistroFinestre> registro_;
};

// Lets the windows unloaded in the last step really go (their widgets are deleted later).
inline void EliminaRimandati()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// What the launcher leaves for an exercise window: its list (the lines `righe`, written at `lista` in
// the program folder), the input mode, the complement number, the scan colour and the pointer.
struct Lancio {
    QString lista;
    QByteArray righe;
    std::int16_t modo = ModoMouse;
    std::int16_t complemento = 0;
    double coloreScansione = 0xFF0000; // blue: not the setting's default, not a window's own colour
    bool cursoreDiSistema = false;
};

// A window of class F opened as the launcher opens it, with its own fixture.
template <class F>
struct ProvaFinestra {
    ProvaFinestra(const QString& nome, const Lancio& l)
    {
        a.p->FileEsercizio = a.Scrivi(l.lista, l.righe);
        a.p->ModalitaInput = l.modo;
        a.p->NumeroComplemento = l.complemento;
        a.p->ColoreScansione = l.coloreScansione;
        a.p->CursoreDiSistema = l.cursoreDiSistema;
        f = a.Apri<F>(nome);
    }
    // The counters as "esatti errati"; the status bar's two panels follow when they show other numbers.
    QString Punteggio() const
    {
        const BarraStato& b = *f->cornice().StatusBar1;
        const QString conti = QStringLiteral("%1 %2").arg(a.p->Esatti).arg(a.p->Errati);
        if (b.Text(1) == QStringLiteral("Esatti %1").arg(a.p->Esatti) &&
            b.Text(2) == QStringLiteral("Errati %1").arg(a.p->Errati))
            return conti;
        return conti + " / " + b.Text(1) + " / " + b.Text(2);
    }
    bool Avanti() const
    {
        const BarraStato& b = *f->cornice().StatusBar1;
        return b.NumeroPannelli() >= 3 && b.PannelloVisibile(3);
    }
    // What an answer leaves: the counters, "#" and the results grid's rows, "A" while "Avanti" shows.
    QString Stato() const
    {
        return QStringLiteral("%1 #%2%3").arg(Punteggio()).arg(f->cornice().Griglia->Modello().Rows() - 1)
            .arg(Avanti() ? " A" : "");
    }
    // A key script on a scanning window (see Copione).
    void Tasti(const QString& script) const { Copione(*f->cornice().Scansione, script); }

    Ambiente a;
    F* f = nullptr;
};

// The results grid below its headings: the cells of row r (1 = the first result), or cell c of
// every row.
inline QStringList RigaGriglia(const FinestraEsercizio& f, int r)
{
    const ModelloGriglia& m = f.cornice().Griglia->Modello();
    QStringList celle;
    for (int c = 0; c < m.Cols(); ++c) celle << m.TextMatrix(r, c);
    return celle;
}
inline QStringList ColonnaGriglia(const FinestraEsercizio& f, int c)
{
    const ModelloGriglia& m = f.cornice().Griglia->Modello();
    QStringList celle;
    for (int r = 1; r < m.Rows(); ++r) celle << m.TextMatrix(r, c);
    return celle;
}

// The strongest contrast between a button's face and a pixel drawn inside its border: its caption's.
inline double ContrastoDidascalia(Bottone& b)
{
    const QImage img = b.grab(b.rect().adjusted(4, 4, -4, -4)).toImage();
    double massimo = 1;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            massimo = std::max(massimo, colore::Contrasto(colore::daQColor(img.pixelColor(x, y)), b.BackColor()));
    return massimo;
}

// Sends a drag-enter, a drag-move and a drop naming `origine` to `bersaglio`, as a real drag over it
// does; false when the target is not on screen (a real drag cannot reach it) or refuses the drag.
inline bool Trascina(Etichetta& origine, QWidget& bersaglio)
{
    if (!bersaglio.isVisible()) return false;
    std::unique_ptr<QMimeData> dati(origine.DatiTrascinamento());
    const QPoint punto(bersaglio.width() / 2, bersaglio.height() / 2);
    QDragEnterEvent entra(punto, Qt::MoveAction, dati.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&bersaglio, &entra);
    if (!entra.isAccepted()) return false;
    QDragMoveEvent muovi(punto, Qt::MoveAction, dati.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&bersaglio, &muovi);
    QDropEvent rilascio(QPointF(punto), Qt::MoveAction, dati.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&bersaglio, &rilascio);
    return rilascio.isAccepted();
}
