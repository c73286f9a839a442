#include "exercises/sentences/finestrafrase.h"

#include "core/immagini.h"
#include "platform/strati.h"

#include <algorithm>
#include <cmath>


FinestraFrase::FinestraFrase(Programma& programma, const ProgettoFinestra& progetto, VarianteFrase variante,
                             QObject* parent)
    : FinestraFrasi(programma, progetto, parent), variante_(std::move(variante))
{
    ControlliDelCaricamento(Parole.Label3);
    Parole.Label3.Collega([this](int i, Etichetta* e) {
        connect(e, &Etichetta::Click, this, [this, i] { Label3_Click(i); });
    });
}

void FinestraFrase::UsaPronomi(PannelloPronomi& pronomi, bool clic)
{
    pronomi_ = &pronomi;
    ControlliDelCaricamento(pronomi);
    if (!clic) return;
    pronomi.Command1.Collega([this](int i, Bottone* b) {
        connect(b, &Bottone::Click, this, [this, i] { Command1_Click(i); });
    });
}

void FinestraFrase::UsaCaselle(CaselleRuoli& caselle)
{
    caselle_ = &caselle;
    ControlliDelCaricamento(caselle);
}

void FinestraFrase::ApplicaCursoreDiSistema()
{
    if (!programma_.CursoreDiSistema) return;
    Parole.setPuntatore(std::nullopt);
    if (pronomi_) pronomi_->setPuntatore(std::nullopt);
}

void FinestraFrase::Attivazione()
{
    ApplicaCursoreDiSistema();
    if (variante_.altezzaBarra > 0 && c_.StatusBar1) c_.StatusBar1->setHeight(variante_.altezzaBarra);
    FinestraFrasi::Attivazione();
}

// ---- the sentence ------------------------------------------------------------------------------

void FinestraFrase::BloccaLivelli(bool bloccato)
{
    if (c_.mnuLivelli) c_.mnuLivelli->setBloccato(bloccato);
}

void FinestraFrase::Azzera(Azzeramento passo)
{
    ArrayControlli<Etichetta>& Label3 = Parole.Label3;
    switch (passo) {
    case Azzeramento::SfondoPrimaEtichetta:
        if (Label3.Esiste(0)) Label3(0).setBackColor(colorifrase::Bianco);
        break;
    case Azzeramento::AbilitaPrimaEtichetta:
        if (Label3.Esiste(0)) Label3(0).setEnabled(true);
        break;
    case Azzeramento::SvuotaPrimaEtichetta:
        if (Label3.Esiste(0)) Label3(0).setCaption(QString());
        break;
    case Azzeramento::MostraCaselle:
        if (caselle_) caselle_->Mostra(programma_.NumeroComplemento);
        break;
    case Azzeramento::MostraAiuto: MostraAiuto(); break;
    case Azzeramento::NascondiPronomi:
        if (pronomi_ && pronomi_->Frame1) pronomi_->Frame1->hide();
        break;
    case Azzeramento::AzzeraPronomi:
        if (pronomi_) pronomi_->Azzera();
        break;
    case Azzeramento::TogliEtichette: Parole.TogliCreate(); break;
    case Azzeramento::SvuotaCaselle:
        if (caselle_) caselle_->Svuota();
        break;
    case Azzeramento::BloccaLivelli: BloccaLivelli(true); break;
    case Azzeramento::NascondiAvanti: NascondiAvanti(); break;
    }
}

void FinestraFrase::CaricaFrase()
{
    if (!Parole.Creata()) return; // not loaded
    for (Azzeramento passo : variante_.azzeramento) Azzera(passo);

    // The draw: a random entry that shows at least one word and that the learner can finish here,
    // every word in sight (and, where asked, one without "["). A list without any such entry gives
    // no sentence at all instead of an endless draw or one that never ends.
    const int numero = std::clamp<int>(NumeroFrasi, 0, MassimoRighe);
    auto disegnabile = [this](int i) {
        const QString& riga = Frasi[i];
        if (riga.isEmpty() || (variante_.saltaRigheConSottinteso && riga.contains(SegnoSottinteso))) return false;
        const RigaFrase letta = LeggiRigaFrase(riga);
        return letta.Disegnabile() && Completabile(letta) && EntraNellArea(letta);
    };
    bool almenoUna = false;
    for (int i = 1; i <= numero && !almenoUna; ++i) almenoUna = disegnabile(i);
    if (!almenoUna) {
        fraseInCorso_ = false;
        Parole.TogliCreate();
        ConSottinteso = false;
        TestoFrase.clear();
        Parole.Label3(0).setCaption(QString());
        Parole.Label3(0).hide();
        if (pronomi_) pronomi_->Abilita(false);
        // Another level stays within reach.
        BloccaLivelli(false);
        SenzaFrase();
        ListaSenzaElementi(MessaggioNessunaFrase);
        return;
    }
    int indice = 0;
    do {
        indice = programma_.Casuale(numero) + 1;
    } while (!disegnabile(indice));
    programma_.IndiceFrase = static_cast<std::int16_t>(indice);

    fraseInCorso_ = true;
    const RigaFrase letta = LeggiRigaFrase(Frasi[indice]);
    Parole.Costruisci(letta, LimiteACapo(Width()), variante_.didascaliaSottinteso);
    ConSottinteso = letta.ConSottinteso;
    // A sentence without an implied subject is never judged against an earlier one's.
    Sottinteso = letta.Sottinteso.value_or(QString());
    TestoFrase = letta.TestoFrase;
    CodaFrase();
}

bool FinestraFrase::SottintesoNominabile(const RigaFrase& riga) const
{
    return PronomiOfferti() && riga.Sottinteso && PannelloPronomi::Nominato(*riga.Sottinteso);
}

bool FinestraFrase::EntraNellArea(const RigaFrase& riga) const
{
    const QWidget* area = client();
    if (!area || !Parole.Creata()) return true;
    // What lies in front of the words as the sentence starts: the grid, which covers the whole
    // exercise only while it is looked at, is not part of it.
    std::vector<QRect> davanti;
    for (const QWidget* w : area->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const Strato strato = StratoDi(w);
        if (w->isHidden() || strato <= Strato::Parole || strato == Strato::Copertura) continue;
        davanti.push_back(RettangoloProgetto(*w));
    }
    const QRect finestra(QPoint(0, 0), ClientProgetto());
    const std::vector<QRect> parole = Parole.Disposizione(riga, LimiteACapo(LarghezzaProgetto()));
    for (std::size_t k = 0; k < parole.size(); ++k) {
        if (riga.parti[k].sottinteso) continue;
        if (!finestra.contains(parole[k])) return false;
        for (const QRect& r : davanti)
            if (r.intersects(parole[k])) return false;
    }
    return true;
}

bool FinestraFrase::Completabile(const RigaFrase& riga) const
{
    if (caselle_) {
        const ArrayControlli<Etichetta>& Label4 = caselle_->Label4;
        for (std::size_t k = 0; k < riga.parti.size(); ++k) {
            if (riga.parti[k].sottinteso) continue;
            const double ruolo = riga.RuoloParte(k).value_or(-1);
            const bool casella = ruolo >= 0 && ruolo < Label4.Count() && ruolo == std::trunc(ruolo) &&
                                 Label4.Esiste(static_cast<int>(ruolo));
            if (!casella) return false;
        }
    }
    // A subject still missing once every part is placed is named with a pronoun button.
    if (pronomi_ && riga.ConSottinteso && !riga.RuoloMostrato(0)) return SottintesoNominabile(riga);
    return true;
}

QStringList FinestraFrase::RigaRisultato(const QString& errori) const
{
    QStringList celle;
    if (progetto_.griglia == LayoutGriglia::Livelli) celle << QString::number(Livello);
    celle << (variante_.frase == FonteFrase::CaptionsLabel3 ? CaptionsLabel3() : TestoFrase) << errori;
    return celle;
}

void FinestraFrase::SistemaLabel()
{
    if (!Parole.Creata()) return;
    for (Etichetta& e : Parole.Label3) {
        if (e.Visible()) continue;
        e.show();
        e.setAutoSize(true);
        e.setBackColor(colorifrase::Verde);
    }
    Parole.Riordina(variante_.riflussoAllaLarghezza ? Width() : LimiteACapo(Width()));
}

// ---- pronoun buttons ---------------------------------------------------------------------------

void FinestraFrase::Command1_Click(int Index)
{
    if (Index < 0 || Index > 5 || !pronomi_) return;
    if (ConSottinteso) {
        ControllaSoggetto(Index + 1, Index);
        return;
    }
    if (!pronomi_->Command1.Esiste(Index)) return;
    Bottone& b = pronomi_->Command1(Index);
    if (variante_.pronomeSenzaSottinteso == PronomeSenzaSottinteso::Rosso)
        b.setBackColor(colorifrase::Rosso);
    else
        b.setEnabled(false);
    RispostaSbagliata(RigaRisultato(b.Caption()));
}

void FinestraFrase::ControllaSoggetto(int persona, int Index)
{
    if (!pronomi_) return;
    ArrayControlli<Bottone>& Command1 = pronomi_->Command1;
    const bool esiste = Command1.Esiste(Index);
    if (PannelloPronomi::PronomeDellaPersona(Sottinteso, persona)) {
        SottintesoNominato(persona);
        pronomi_->Abilita(false);
        if (esiste) Command1(Index).setBackColor(colorifrase::Verde);
        RispostaGiusta(RigaRisultato(QString()), true);
    } else {
        if (esiste) Command1(Index).setEnabled(false);
        RispostaSbagliata(RigaRisultato(esiste ? Command1(Index).Caption() : QString()));
    }
}
