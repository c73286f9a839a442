#pragma once
// The one fixture of the tests: a fresh program with its own program folder and settings root
// (temporary folders), scripted services, a fixed seed, the shipped lists copied into the program
// folder, and the windows made as the program makes them (the launcher's registry).
#include "app/registro.h"
#include "frame/finestraesercizio.h"
#include "core/impostazioni.h"
#include "core/programma.h"
#include "servizifinti.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

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
