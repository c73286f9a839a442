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

FinestraProvaMenu::FinestraProvaMenu(Programma& p, QWidget* parent)
    : QWidget(parent),
      programma(p),
      voci(p, Label1, VoceEvidenziata, ColoreFinestra,
           menu::Azioni(p, Label1, VoceEvidenziata, ColoreFinestra, [this](std::int16_t k) { AvviaEsercizi(k); }))
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
        Label1.Progetta(i, e);
    }
    Check1 = new CasellaSpunta(this);
    Check1->setCaption(QStringLiteral("Suoni attivati"));
    Check1->setBackColor(ColoreFinestra);
    Check1->Move(6960, 4560, 2175, 495);

    scansione = new ScansioneFinestra(programma, this, voci, menu::Regole());
    PictureFrecce = scansione->PictureFrecce();
    PictureScansioneManuale = scansione->PictureScansioneManuale();
    PictureScansioneAutomatica = scansione->PictureScansioneAutomatica();
    Timer1 = scansione->Timer1();
    altroControllo = new QLineEdit(this);
    altroControllo->setGeometry(690, 360, 200, 30);
}

void FinestraProvaMenu::Avvia()
{
    const std::int16_t m = programma.ModalitaInput;
    if (m == ModoScansioneManuale || m == ModoScansioneAutomatica || m == ModoFrecce) {
        VoceEvidenziata = 0;
        Label1(0).setBackColor(programma.ColoreScansioneRgb());
    }
    scansione->Avvia();
}

std::vector<int> FinestraProvaMenu::VociEvidenziate() const
{
    std::vector<int> v;
    const Colore scansione = programma.ColoreScansioneRgb();
    for (int i = 0; i < Label1.Count(); ++i)
        if (Label1(i).BackColor() == scansione) v.push_back(i);
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
