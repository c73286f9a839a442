#include "avvio.h"

#include "app/formavvio.h"
#include "core/immagini.h"
#include "core/impostazioni.h"
#include "core/programma.h"
#include "app/registro.h"
#include "platform/file.h"
#include "platform/registrotasti.h"
#include "platform/servizi.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

Sessione::Sessione() = default;
Sessione::~Sessione()
{
    // The windows go before the lock is released.
    finestre.reset();
    blocco.reset();
}

std::unique_ptr<Sessione> AvviaProgramma(Programma& p, const QString& nomeBlocco)
{
    // Every window, message box and dialog of the program shows its icon.
    QApplication::setWindowIcon(IconaProgramma(p));
    auto s = std::make_unique<Sessione>();
    s->blocco = std::make_unique<BloccoIstanza>(nomeBlocco);
    if (s->blocco->AltraCopia()) {
        p.servizi().MsgBox(nullptr, QStringLiteral("E' già stata avviata una copia di questo programma!"),
                           msg::Critical, QStringLiteral("Error"));
        return nullptr;
    }
    p.MessaggioTornaMenu = QStringLiteral("Vuoi tornare al menù?");
    CreaCartelleImpostazioni(p);
    LeggiImpostazioni(p);
    s->finestre = std::make_unique<RegistroFinestre>(p);
    s->finestre->Avvio().Mostra();
    return s;
}

void EsciDalProgramma(Programma& p, QWidget* owner)
{
    if (p.servizi().MsgBox(owner, QStringLiteral("Vuoi uscire dal programma?"), msg::YesNo + msg::Question,
                           TitoloProgramma) != msg::RispostaYes)
        return;
    SalvaImpostazioni(p, owner);
    if (p.finestre().FineProgramma) p.finestre().FineProgramma();
}

int Main(QApplication& applicazione)
{
    // The program decides when it ends: for a moment between two windows none is open.
    QApplication::setQuitOnLastWindowClosed(false);
    // A held switch is one press and one release, however busy the display server is: the keys
    // that are down are known to one record, for every window.
    new RegistroTasti(applicazione);
    QTranslator traduzione;
    if (traduzione.load(QStringLiteral("qtbase_it"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traduzione);

    Programma p(CreaServiziQt(), file::CartellaProgramma(), file::RadiceImpostazioni());
    p.finestre().FineProgramma = [] { QCoreApplication::exit(0); };
    const auto sessione = AvviaProgramma(p);
    if (!sessione) return 0;
    return applicazione.exec();
}
