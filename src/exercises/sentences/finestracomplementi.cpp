#include "exercises/sentences/finestracomplementi.h"

#include "core/immagini.h"

using namespace complementi;

namespace {
const QString RigaAiuto = QStringLiteral("* * * aiuto * * *");
}

FinestraComplementi::FinestraComplementi(Programma& programma, const ProgettoFinestra& progetto,
                                         ProgettoComplementi complementi)
    : FinestraFrase(programma, progetto, complementi.variante), complementi_(std::move(complementi))
{
    ControlliDelCaricamento(c2_);
    UsaPronomi(Pronomi);
    UsaCaselle(Caselle);
    Caselle.Label4_DragDrop = [this](int casella, Etichetta* origine) { Label4_DragDrop(casella, origine); };
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
    // The pronoun frame stands over the help button's corner: made last, it lies on top.
    Pronomi.Crea(client(), complementi_.pronomi, puntatore);
}

void FinestraComplementi::MostraAiuto()
{
    if (c2_.Command2) c2_.Command2->show();
}

// ---- activation and the sentence -----------------------------------------------------------------

void FinestraComplementi::Attivazione()
{
    if (complementi_.cursoreDiSistema) ApplicaCursoreDiSistema();
    if (complementi_.intestazioniDavanti) Caselle.IntestazioniDavanti();
    ImpostaGriglia();
    CaricaFrase();
}

bool FinestraComplementi::AiutoUsato() const
{
    return c2_.Command2 && !c2_.Command2->Visible();
}

bool FinestraComplementi::RestanoParti() const
{
    for (const Etichetta& e : Parole.Label3)
        if (e.Visible()) return true;
    return false;
}

bool FinestraComplementi::SoggettoVuoto() const
{
    return !Caselle.Label4.Esiste(0) || Caselle.Label4(0).Caption().trimmed().isEmpty();
}

void FinestraComplementi::FineParti(Seguito seguito)
{
    switch (seguito) {
    case Seguito::AltreParti: break;
    case Seguito::Pronomi:
        if (Pronomi.Frame1) Pronomi.Frame1->show();
        break;
    case Seguito::Finita:
        MostraAvanti();
        if (c2_.Command2) c2_.Command2->hide();
        break;
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
