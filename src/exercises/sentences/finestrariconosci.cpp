#include "exercises/sentences/finestrariconosci.h"

#include "core/servizicomuni.h"

#include <stdexcept>

namespace {

const ProgettoFinestra& ProgettoDi(const char* nome)
{
    const ProgettoFinestra* p = Progetto(QString::fromLatin1(nome));
    if (!p) throw std::logic_error("window without a design");
    return *p;
}

VarianteFrase VarianteForm2()
{
    using A = Azzeramento;
    return {{A::SfondoPrimaEtichetta, A::AbilitaPrimaEtichetta, A::TogliEtichette, A::BloccaLivelli},
            DidascaliaSottinteso::Vuota, PronomeSenzaSottinteso::Rosso, false};
}

VarianteFrase VarianteForm4()
{
    using A = Azzeramento;
    return {{A::SfondoPrimaEtichetta, A::AbilitaPrimaEtichetta, A::AzzeraPronomi, A::TogliEtichette, A::BloccaLivelli},
            DidascaliaSottinteso::Pronome, PronomeSenzaSottinteso::Rosso, false};
}

ProgettoRiconosci RiconosciForm2()
{
    ProgettoRiconosci r;
    r.istruzione = QStringLiteral("clicca sul predicato");
    r.ruolo = 1;
    r.coloreGiusto = colorifrase::Rosa;
    r.left = 120;
    r.top = 1920;
    return r;
}

ProgettoRiconosci RiconosciForm4()
{
    ProgettoRiconosci r;
    r.istruzione = QStringLiteral("clicca sul soggetto");
    r.ruolo = 0;
    r.coloreGiusto = colorifrase::Verde;
    r.left = 240;
    r.top = 1080;
    r.pronomi = ProgettoPronomi{3840, 8535, 1335, {240, 1920, 3480}, QStringLiteral("egli - esso - ella - essa "), false};
    r.altezzaBarra = 500;
    return r;
}

} // namespace

FinestraRiconosci::FinestraRiconosci(Programma& programma, const ProgettoFinestra& progetto,
                                     ProgettoRiconosci riconosci, QObject* parent)
    : FinestraFrase(programma, progetto, riconosci.pronomi ? VarianteForm4() : VarianteForm2(), parent),
      riconosci_(std::move(riconosci))
{
}

void FinestraRiconosci::CreaControlliEsercizio()
{
    Label1 = new Etichetta(client());
    Label1->setCarattere(QStringLiteral("Verdana"), 15.75, true);
    Label1->setBackStyleOpaco(false);
    Label1->Move(riconosci_.left, 360, 4000, 375);
    Label1->setAutoSize(true);
    Label1->setCaption(riconosci_.istruzione);
    Label1->show();

    CreaPrimaEtichetta(riconosci_.left, riconosci_.top, riconosci_.punti);
    if (riconosci_.pronomi) CreaPronomi(*riconosci_.pronomi);
}

void FinestraRiconosci::DistruggiControlliEsercizio()
{
    Label1 = nullptr;
    FinestraFrase::DistruggiControlliEsercizio();
}

void FinestraRiconosci::Attivazione()
{
    ApplicaCursoreDiSistema();
    if (riconosci_.altezzaBarra > 0 && c_.StatusBar1) c_.StatusBar1->setHeight(riconosci_.altezzaBarra);
    ImpostaGriglia();
    CaricaFrase();
}

void FinestraRiconosci::DisabilitaParole()
{
    for (int i = Label3.LBound(); i <= Label3.UBound(); ++i)
        if (Label3.Esiste(i)) Label3(i).setEnabled(false);
}

void FinestraRiconosci::Label3_Click(int Index)
{
    if (!Label3.Esiste(Index)) return;
    Etichetta& parola = Label3(Index);
    if (RuoloIniziale(parola.Tag()) == static_cast<double>(riconosci_.ruolo)) {
        ContaEsatto();
        parola.setBackColor(riconosci_.coloreGiusto);
        RiempiGriglia(QString());
        ScriviEsatti();
        BloccaLivelli(false);
        MostraAvanti();
        DisabilitaParole();
        SuonoGiusto(programma_);
    } else {
        ContaErrato();
        ScriviErrati();
        parola.setBackColor(colorifrase::Rosso);
        RiempiGriglia(parola.Caption());
        SuonoSbagliato(programma_);
    }
}

void FinestraRiconosci::SottintesoNominato(int persona)
{
    (void)persona;
    SistemaLabel();
    DisabilitaParole();
    BloccaLivelli(false);
}

void FinestraRiconosci::mnuLiv_Click(int Index)
{
    // The level menu cannot be used while a sentence is open or the grid is shown.
    if (!c_.mnuLivelli || !c_.mnuLivelli->Utilizzabile()) return;
    if (Index < 1 || Index > static_cast<int>(c_.mnuLiv.size())) return;
    for (int i = 0; i < static_cast<int>(c_.mnuLiv.size()); ++i) c_.mnuLiv[i]->setChecked(i + 1 == Index);
    Livello = static_cast<std::int16_t>(Index);
    if (Frame1) Frame1->setVisible(Index >= LivelloPronomi);
    PercorsoLista = PercorsoLivello();
    CaricaLista();
    CaricaFrase();
}

Form2::Form2(Programma& programma, QObject* parent) : Form2(programma, ProgettoDi("Form2"), parent) {}

Form2::Form2(Programma& programma, const ProgettoFinestra& progetto, QObject* parent)
    : FinestraRiconosci(programma, progetto, RiconosciForm2(), parent)
{
}

Form4::Form4(Programma& programma, QObject* parent) : Form4(programma, ProgettoDi("Form4"), parent) {}

Form4::Form4(Programma& programma, const ProgettoFinestra& progetto, QObject* parent)
    : FinestraRiconosci(programma, progetto, RiconosciForm4(), parent)
{
}
