#include "exercises/sentences/finestracomplementi.h"

#include "core/immagini.h"
#include "input/elementicontrolli.h"
#include "input/passi.h"
#include "platform/strati.h"

using namespace complementi;

namespace {

const QString RigaAiuto = QStringLiteral("* * * aiuto * * *");
constexpr Colore ColoreCasellaNormale = colore::Bianco;

// What the scanning driver steps over: the boxes, or the pronoun buttons in the pronoun phase.
class ElementiComplementi : public ElementiScansione {
public:
    explicit ElementiComplementi(FinestraComplementi& f) : f_(f) {}

    int Numero() const override { return pronomi() ? f_.Pronomi.Command1.Count() : f_.Caselle.Label4.Count(); }
    bool Sceglibile(int i) const override
    {
        if (pronomi()) return f_.Pronomi.Command1.Esiste(i) && f_.Pronomi.Command1(i).Enabled();
        const ArrayControlli<Etichetta>& caselle = f_.Caselle.Label4;
        if (!caselle.Esiste(i)) return false;
        return CasellaSceglibile(f_.progettoComplementi().sceltaCaselle, caselle(i).Visible(),
                                 caselle(i).Caption().isEmpty(), casellaVuotaPerLaParte());
    }
    int Cursore() const override { return f_.BoxCorrente; }
    void setCursore(int c) override { f_.BoxCorrente = static_cast<std::int16_t>(c); }
    void Evidenzia(int /*precedente*/) override
    {
        if (pronomi())
            f_.ColoraBottone();
        else
            f_.ColoraLabel();
    }
    void Seleziona() override { f_.Confermato(); }
    bool Finito() const override { return f_.FraseCompletata; }
    void Prossimo() override { f_.ProssimoElemento(); }

private:
    bool pronomi() const { return f_.ParteCorrente == FasePronome; }
    // The box of the part to place's role is shown and empty.
    bool casellaVuotaPerLaParte() const
    {
        if (!f_.Parole.Label3.Esiste(f_.ParteCorrente)) return true;
        const double ruolo = RuoloIniziale(f_.Parole.Label3(f_.ParteCorrente).Tag());
        for (auto it = f_.Caselle.Label4.begin(); it != f_.Caselle.Label4.end(); ++it)
            if (static_cast<double>(it.indice()) == ruolo) return (*it).Visible() && (*it).Caption().isEmpty();
        return true;
    }
    FinestraComplementi& f_;
};

} // namespace

FinestraComplementi::FinestraComplementi(Programma& programma, const ProgettoFinestra& progetto,
                                         ProgettoComplementi complementi)
    : FinestraFrase(programma, progetto, complementi.variante), complementi_(std::move(complementi))
{
    ControlliDelCaricamento(c2_, Barra);
    UsaPronomi(Pronomi);
    UsaCaselle(Caselle);
    Caselle.Label4_DragDrop = [this](int casella, Etichetta* origine) { Label4_DragDrop(casella, origine); };
    if (progetto.scansione) elementi_ = std::make_unique<ElementiComplementi>(*this);
}

// ---- controls ----------------------------------------------------------------------------------

void FinestraComplementi::CreaControlliEsercizio()
{
    const std::optional<QCursor> puntatore =
        complementi_.puntatoreMano ? std::optional<QCursor>(CursorePersonale(programma_)) : std::nullopt;
    Caselle.Crea(client(), complementi_.caselle, complementi_.carattere);
    Etichetta* prima = Parole.Crea(client(), complementi_.left, complementi_.top, complementi_.punti, puntatore);
    prima->setTrascinamentoAutomatico(complementi_.trascina);
    if (complementi_.aiuto) {
        c2_.Command2 = new Bottone(client());
        c2_.Command2->setCaption(QStringLiteral("aiuto"));
        c2_.Command2->setCarattere(QStringLiteral("Arial"), 12, true);
        const QRect& r = *complementi_.aiuto;
        c2_.Command2->Move(r.left(), r.top(), r.width(), r.height());
        c2_.Command2->show();
        connect(c2_.Command2, &Bottone::Click, this, &FinestraComplementi::Command2_Click);
    }
    Pronomi.Crea(client(), complementi_.pronomi, puntatore);
    // The help button stands inside the pronoun frame's corner and in front of it: help stays
    // within reach in the pronoun phase.
    if (c2_.Command2) MettiNelloStrato(c2_.Command2, Strato::Pannelli);
    // Where only the keys answer, a click on a pronoun button judges nothing.
    if (!complementi_.pronomiAlClic) {
        for (Bottone& b : Pronomi.Command1) {
            disconnect(&b, &Bottone::Click, this, nullptr);
            b.setAttribute(Qt::WA_TransparentForMouseEvents);
        }
    }
    if (progetto_.scansione) Barra.Crea(client(), complementi_.barra);
}

void FinestraComplementi::MostraAiuto()
{
    // Where the help is applied to every sentence it is used up before the learner could press it:
    // the button stays hidden, and covers no word of the sentence.
    if (!c2_.Command2 || complementi_.aiutoOgniFrase) return;
    posaAiuto(false);
    c2_.Command2->show();
}

// The help button stands where the window was designed with it while the parts are placed. In the
// pronoun phase, when every part has gone into its box, it stands just above the pronoun panel,
// where the sentence was: at its design place it would lie over the two long pronoun buttons. Both
// places follow the panel, which the window keeps in proportion with its size.
void FinestraComplementi::posaAiuto(bool sopraIPronomi)
{
    const Cornice* f = Pronomi.Frame1;
    if (!c2_.Command2 || !f || !complementi_.aiuto || complementi_.pronomi.height <= 0) return;
    const auto& pannello = complementi_.pronomi;
    const int top = sopraIPronomi
        ? f->Top() - c2_.Command2->Height()
        : f->Top() + (complementi_.aiuto->top() - pannello.top) * f->Height() / pannello.height;
    c2_.Command2->setTop(top);
}

void FinestraComplementi::SenzaFrase()
{
    if (c2_.Command2) c2_.Command2->hide();
    if (!progetto_.scansione) return;
    if (Barra.Shape) Barra.Shape->hide();
    ColoraLabel();
}

// ---- activation and the sentence -----------------------------------------------------------------

void FinestraComplementi::Attivazione()
{
    if (complementi_.cursoreDiSistema) ApplicaCursoreDiSistema();
    if (complementi_.intestazioniDavanti) Caselle.IntestazioniDavanti();
    if (complementi_.barraInColoreScansione && Barra.Shape) Barra.Shape->setBorderColor(programma_.ColoreScansioneRgb());
    ImpostaGriglia();
    CaricaFrase();
}

void FinestraComplementi::CaricaFrase()
{
    BoxCorrente = 0;
    ParteCorrente = 0;
    FraseCompletata = false;
    FinestraFrase::CaricaFrase();
}

void FinestraComplementi::CodaFrase()
{
    if (!progetto_.scansione) return;
    if (complementi_.aiutoOgniFrase) Command2_Click();
    // Every sentence drawn has a part to read; were there none, the sentence would end here.
    if (const auto prima = ProssimaParte(0)) {
        ParteCorrente = static_cast<std::int16_t>(*prima);
        SistemaShape();
        ColoraLabel();
    } else {
        FineParti(SeguitoFrase(false, SoggettoVuoto(), ConSottinteso));
    }
}

bool FinestraComplementi::AiutoUsato() const
{
    return c2_.Command2 && !c2_.Command2->Visible();
}

bool FinestraComplementi::RestanoParti() const
{
    if (progetto_.scansione) return ProssimaParte(0).has_value();
    for (const Etichetta& e : Parole.Label3)
        if (e.Visible()) return true;
    return false;
}

bool FinestraComplementi::DaCollocare(int k) const
{
    return Parole.Label3.Esiste(k) && complementi::DaCollocare(Parole.Label3(k).Visible(), Parole.Label3(k).Caption());
}

std::optional<int> FinestraComplementi::ProssimaParte(int da) const
{
    const int n = Parole.Label3.Count();
    const auto daCollocare = [this](int k) { return DaCollocare(k); };
    if (const auto dopo = ParteDaCollocare(da, n, daCollocare)) return dopo;
    return ParteDaCollocare(0, n, daCollocare);
}

bool FinestraComplementi::SoggettoVuoto() const
{
    return !Caselle.Label4.Esiste(0) || Caselle.Label4(0).Caption().trimmed().isEmpty();
}

void FinestraComplementi::FineParti(Seguito seguito)
{
    if (seguito == Seguito::AltreParti) return;
    if (seguito == Seguito::Pronomi) {
        if (Pronomi.Frame1) Pronomi.Frame1->show();
        posaAiuto(true);
    } else {
        MostraAvanti();
        if (c2_.Command2) c2_.Command2->hide();
    }
    if (!progetto_.scansione) return;
    // The highlight leaves the parts: the pronoun phase marks the subject box and steps over the
    // pronoun buttons; a finished sentence highlights nothing and waits for the next key.
    if (Barra.Shape) Barra.Shape->hide();
    if (seguito == Seguito::Pronomi) {
        ParteCorrente = FasePronome;
        BoxCorrente = 0;
        ColoraLabel();
        ColoraBottone();
    } else {
        FraseCompletata = true;
        ColoraArray(Caselle.Label4, -1, ColoreCasellaNormale, programma_.ColoreScansioneRgb());
    }
}

// ---- the drop ----------------------------------------------------------------------------------

void FinestraComplementi::Label4_DragDrop(int Index, Etichetta* Source)
{
    if (!Source || !FraseInCorso() || !Caselle.Label4.Esiste(Index)) return;
    if (RuoloIniziale(Source->Tag()) != static_cast<double>(Index)) {
        RispostaSbagliata(RigaRisultato(Source->Caption()));
        return;
    }
    const bool aiutoUsato = AiutoUsato();
    Caselle.Label4(Index).setCaption(Source->Caption());
    Source->hide();
    const Seguito seguito = SeguitoFrase(RestanoParti(), SoggettoVuoto(), ConSottinteso);
    // The bar leaves a part placed by the mouse, so that no select can place it again.
    if (seguito == Seguito::AltreParti && progetto_.scansione && !DaCollocare(ParteCorrente)) {
        ParteCorrente = static_cast<std::int16_t>(ProssimaParte(ParteCorrente).value_or(0));
        SistemaShape();
    }
    const Premio premio = PremioGiusto(complementi_.punteggio, aiutoUsato, seguito);
    const bool finita = seguito == Seguito::Finita;
    if (premio.suono) {
        RispostaGiusta(finita ? std::optional<QStringList>(RigaRisultato(QString())) : std::nullopt, finita);
    } else if (premio.punto) {
        ContaEsatto();
        ScriviEsatti();
    }
    FineParti(seguito);
}

// ---- the scanning copies ------------------------------------------------------------------------

void FinestraComplementi::Confermato()
{
    if (!FraseInCorso() || FraseCompletata) return;
    if (ParteCorrente == FasePronome) {
        ControllaSoggettoSottinteso();
        return;
    }
    if (!Parole.Label3.Esiste(ParteCorrente)) return;
    Etichetta& parte = Parole.Label3(ParteCorrente);
    if (!Caselle.Label4.Esiste(BoxCorrente) || RuoloIniziale(parte.Tag()) != static_cast<double>(BoxCorrente)) {
        RispostaSbagliata(RigaRisultato(parte.Caption()));
        return;
    }
    Caselle.Label4(BoxCorrente).setCaption(parte.Caption());
    parte.hide();
    const Seguito seguito = SeguitoFrase(RestanoParti(), SoggettoVuoto(), ConSottinteso);
    const bool finita = seguito == Seguito::Finita;
    RispostaGiusta(finita ? std::optional<QStringList>(RigaRisultato(QString())) : std::nullopt, finita);
    if (seguito != Seguito::AltreParti) {
        FineParti(seguito);
        return;
    }
    ParteCorrente = static_cast<std::int16_t>(ProssimaParte(ParteCorrente + 1).value_or(0));
    SistemaShape();
    if (elementi_)
        BoxCorrente = static_cast<std::int16_t>(scansione::PassoAvanti(
            BoxCorrente, elementi_->Numero(), [this](int i) { return elementi_->Sceglibile(i); }));
    ColoraLabel();
}

void FinestraComplementi::ControllaSoggettoSottinteso()
{
    if (BoxCorrente >= 0 && BoxCorrente <= 5) ControllaSoggetto(BoxCorrente + 1, BoxCorrente);
}

void FinestraComplementi::ColoraLabel()
{
    ColoraArray(Caselle.Label4, FraseInCorso() ? BoxCorrente : -1, ColoreCasellaNormale,
                programma_.ColoreScansioneRgb());
}

void FinestraComplementi::ColoraBottone()
{
    ColoraArray(Pronomi.Command1, BoxCorrente, PannelloPronomi::ColoreBottone, programma_.ColoreScansioneRgb());
}

void FinestraComplementi::SistemaShape()
{
    if (!Barra.Shape || !Parole.Label3.Esiste(ParteCorrente)) return;
    Barra.Shape->show();
    Barra.Sotto(Parole.Label3(ParteCorrente));
}

// ---- the help ----------------------------------------------------------------------------------

void FinestraComplementi::Command2_Click()
{
    ArrayControlli<Etichetta>& Label4 = Caselle.Label4;
    if (complementi_.regoleAiuto.marcaParti) {
        for (Etichetta& parte : Parole.Label3) {
            const QString ruolo = parte.Tag().trimmed();
            if (ruolo == QLatin1String("0") && Label4.Esiste(0)) parte.setBackColor(Label4(0).BackColor());
            if (ruolo == QLatin1String("1") && Label4.Esiste(1)) parte.setBackColor(Label4(1).BackColor());
        }
    }
    for (auto it = Label4.begin(); it != Label4.end(); ++it) {
        const int i = it.indice();
        bool presente = false;
        for (const Etichetta& parte : Parole.Label3)
            presente = presente || RuoloIniziale(parte.Tag()) == static_cast<double>(i);
        (*it).setVisible(presente);
        if (Caselle.Label6.Esiste(i)) Caselle.Label6(i).setVisible(presente);
    }
    if (complementi_.regoleAiuto.rigaGriglia) RiempiGriglia(RigaRisultato(RigaAiuto));
    if (c2_.Command2) c2_.Command2->hide();
}

// ---- the pronoun ---------------------------------------------------------------------------------

void FinestraComplementi::SottintesoNominato(int persona)
{
    if (Caselle.Label4.Esiste(0) && Pronomi.Command1.Esiste(persona - 1))
        Caselle.Label4(0).setCaption(Pronomi.Command1(persona - 1).Caption());
    if (progetto_.scansione) FraseCompletata = true;
}

// ---- the windows ---------------------------------------------------------------------------------

Form5::Form5(Programma& programma, const ProgettoFinestra& progetto)
    : FinestraComplementi(programma, progetto, ComplementiForm5())
{
}

Form7::Form7(Programma& programma, const ProgettoFinestra& progetto)
    : FinestraComplementi(programma, progetto, ComplementiForm7())
{
}

Form11::Form11(Programma& programma, const ProgettoFinestra& progetto)
    : FinestraComplementi(programma, progetto, ComplementiForm11())
{
}

Form14::Form14(Programma& programma, const ProgettoFinestra& progetto)
    : FinestraComplementi(programma, progetto, ComplementiForm14())
{
}

Form5s::Form5s(Programma& programma, const ProgettoFinestra& progetto)
    : FinestraComplementi(programma, progetto, ComplementiForm5s())
{
}

Form7s::Form7s(Programma& programma, const ProgettoFinestra& progetto)
    : FinestraComplementi(programma, progetto, ComplementiForm7s())
{
}

Form11s::Form11s(Programma& programma, const ProgettoFinestra& progetto)
    : FinestraComplementi(programma, progetto, ComplementiForm11s())
{
}

Form14s::Form14s(Programma& programma, const ProgettoFinestra& progetto)
    : FinestraComplementi(programma, progetto, ComplementiForm14s())
{
}
