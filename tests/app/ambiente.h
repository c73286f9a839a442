#pragma once
// A fresh program for one test: its own program folder and settings root (temporary folders),
// scripted services, a fixed seed, and a record of the program's end.
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
    int fini = 0; // times the program was ended

    explicit Ambiente(const QString& radiceImpostazioni = QString())
    {
        auto s = std::make_unique<ServiziFinti>();
        servizi = s.get();
        p = std::make_unique<Programma>(std::move(s), cartellaProgramma.path(),
                                        radiceImpostazioni.isEmpty() ? radice.path() : radiceImpostazioni);
        p->Semina(20240607);
        p->MessaggioTornaMenu = QStringLiteral("Vuoi tornare al menù?");
        p->finestre().FineProgramma = [this] { ++fini; };
        CopiaCartella(QStringLiteral(FRASOLINO_DATI_SORGENTE "/testifrasolino"),
                      cartellaProgramma.filePath(QStringLiteral("testifrasolino")));
    }

    // The shipped sentence lists, so that the exercise windows find their lists.
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
};

// Lets the windows unloaded in the last step really go (their widgets are deleted later).
inline void EliminaRimandati()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}
