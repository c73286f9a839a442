#include "finestraprovamenu.h"

#include "core/programma.h"
#include "platform/controlli.h"
#include "platform/temporizzatore.h"

#include <QLineEdit>

namespace {

const char* const Voci[] = {
    "soggetto - predicato", "abbina   soggetto / predicato", "riconosci il predicato", "riconosci il soggetto",
    "soggetto sottinteso", "complemento oggetto", "complemento di specificazione", "ripasso 1",
    "complemento di termine", "ripasso 2", "complemento di causa", "ripasso 3",
    "complemento di  mezzo", "ripasso 4", "complementi di compagnia/unione", "ripasso 5",
    "complementi di luogo", "ripasso 6", "complemento di modo", "ripasso 7",
    "complementi di tempo", "ripasso 8", "Esci",
};

} // namespace

FinestraProvaMenu::FinestraProvaMenu(Programma& p, QWidget* parent) : QWidget(parent), programma(p)
{
    setAutoFillBackground(true);
    QPalette tavolozza = palette();
    tavolozza.setColor(QPalette::Window, colore::aQColor(ColoreFinestra));
    setPalette(tavolozza);
    resize(14445 / 15, 6105 / 15);

    for (int i = 0; i < NumeroVoci; ++i) {
        auto* e = new Etichetta(this);
        e->setCaption(QString::fromUtf8(Voci[i]));
        e->setBackColor(ColoreFinestra);
        const int colonna = i == 22 ? 2 : i / 8;
        const int riga = i == 22 ? 7 : i % 8;
        e->Move(240 + 3360 * colonna, 240 + 720 * riga, 2175, 495);
        e->show();
        Label1.push_back(e);
    }
    Check1 = new CasellaSpunta(this);
    Check1->setCaption(QStringLiteral("Suoni attivati"));
    Check1->setBackColor(ColoreFinestra);
    Check1->Move(6960, 4560, 2175, 495);

    PictureFrecce = new CasellaFuoco(this);
    PictureFrecce->Move(10320, 240, 495, 495);
    PictureScansioneManuale = new CasellaFuoco(this);
    PictureScansioneManuale->Move(10320, 960, 615, 495);
    PictureScansioneAutomatica = new CasellaFuoco(this);
    PictureScansioneAutomatica->Move(10320, 1680, 495, 495);
    altroControllo = new QLineEdit(this);
    altroControllo->setGeometry(690, 360, 200, 30);

    Timer1 = new Temporizzatore(this);
    Timer1->setInterval(100);

    pilota = new PilotaMenu(programma,
                            CollegamentiMenu{
                                *PictureFrecce,
                                *PictureScansioneManuale,
                                *PictureScansioneAutomatica,
                                *Timer1,
                                VoceEvidenziata,
                                [this] { return static_cast<int>(Label1.size()); },
                                [this](int i, Colore c) { Label1.at(static_cast<std::size_t>(i))->setBackColor(c); },
                                [] { return ColoreFinestra; },
                                [this](std::int16_t k) { AvviaEsercizi(k); },
                            },
                            this);
}

void FinestraProvaMenu::Avvia()
{
    const std::int16_t m = programma.ModalitaInput;
    if (m == ModoScansioneManuale || m == ModoScansioneAutomatica || m == ModoFrecce) {
        VoceEvidenziata = 0;
        Label1[0]->setBackColor(programma.ColoreScansioneRgb());
    }
    pilota->pilota().Avvia();
}

std::vector<int> FinestraProvaMenu::VociEvidenziate() const
{
    std::vector<int> v;
    const Colore scansione = programma.ColoreScansioneRgb();
    for (int i = 0; i < static_cast<int>(Label1.size()); ++i)
        if (Label1[static_cast<std::size_t>(i)]->BackColor() == scansione) v.push_back(i);
    return v;
}

void FinestraProvaMenu::AvviaEsercizi(std::int16_t k)
{
    if (k < 0 || k > 22) return;
    if (k == 22) {
        const int r = programma.servizi().MsgBox(this, QStringLiteral("Vuoi uscire dal programma?"),
                                                 msg::YesNo + msg::Question, TitoloProgramma);
        if (r == msg::RispostaYes) lanciate.push_back(22);
        return;
    }
    lanciate.push_back(k);
    if (dopoLancio) dopoLancio(k);
}
