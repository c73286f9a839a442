#include "exercises/sentences/finestrafrase.h"

#include "core/immagini.h"
#include "core/servizicomuni.h"

#include <algorithm>

namespace {

// Pronoun buttons: caption index, row top, column, width.
struct PostoBottone {
    int riga;
    int colonna;
    int larghezza;
};
constexpr std::array<PostoBottone, 6> PostiBottoni = {{
    {360, 0, 1215}, {360, 1, 1215}, {360, 2, 4815}, {840, 0, 1215}, {840, 1, 1215}, {840, 2, 4815},
}};
constexpr int AltezzaBottone = 375;

} // namespace

FinestraFrase::FinestraFrase(Programma& programma, const ProgettoFinestra& progetto, VarianteFrase variante,
                             QObject* parent)
    : FinestraFrasi(programma, progetto, parent), variante_(std::move(variante))
{
    Label3.Collega([this](int i, Etichetta* e) {
        connect(e, &Etichetta::Click, this, [this, i] { Label3_Click(i); });
    });
    Command1.Collega([this](int i, Bottone* b) {
        connect(b, &Bottone::Click, this, [this, i] { Command1_Click(i); });
    });
}

// ---- controls ----------------------------------------------------------------------------------

Etichetta* FinestraFrase::CreaPrimaEtichetta(int left, int top, double punti)
{
    auto* e = new Etichetta(client());
    e->setCarattere(QStringLiteral("Verdana"), punti);
    e->setBackColor(colorifrase::Bianco);
    e->Move(left, top, 1050, 375);
    e->setAutoSize(true);
    e->setPuntatore(CursorePersonale(programma_));
    e->show();
    Label3.Progetta(0, e);
    return e;
}

void FinestraFrase::CreaPronomi(const ProgettoPronomi& p)
{
    Frame1 = new Cornice(client());
    Frame1->setCaption(QStringLiteral("Soggetto sottinteso"));
    Frame1->setBackColor(colorifrase::CornicePronomi);
    Frame1->setCarattere(QStringLiteral("Verdana"), 14.25);
    Frame1->Move(120, p.top, p.width, p.height);
    const std::array<QString, 6> captions = {QStringLiteral("io"),  QStringLiteral("tu"),  p.caption2,
                                             QStringLiteral("noi"), QStringLiteral("voi"), QStringLiteral("essi - esse - loro")};
    for (int i = 0; i < 6; ++i) {
        auto* b = new Bottone(Frame1);
        b->setCaption(captions[i]);
        b->setCarattere(QStringLiteral("Verdana"), 14.25, p.grassetto);
        b->setBackColor(colorifrase::Bottone);
        const PostoBottone& posto = PostiBottoni[i];
        b->Move(p.colonne[posto.colonna], posto.riga, posto.larghezza, AltezzaBottone);
        b->setPuntatore(CursorePersonale(programma_));
        b->show();
        Command1.Progetta(i, b);
    }
    Frame1->hide();
}

void FinestraFrase::DistruggiControlliEsercizio()
{
    Label3.Dimentica();
    Command1.Dimentica();
    Label4.Dimentica();
    Label6.Dimentica();
    Frame1 = nullptr;
    Command2 = nullptr;
    fraseInCorso_ = false;
}

void FinestraFrase::ApplicaCursoreDiSistema()
{
    if (!programma_.CursoreDiSistema) return;
    for (int i = Label3.LBound(); i <= Label3.UBound(); ++i)
        if (Label3.Esiste(i)) Label3(i).setPuntatore(std::nullopt);
    for (int i = Command1.LBound(); i <= Command1.UBound(); ++i)
        if (Command1.Esiste(i)) Command1(i).setPuntatore(std::nullopt);
}

// ---- the sentence ------------------------------------------------------------------------------

void FinestraFrase::BloccaLivelli(bool bloccato)
{
    if (c_.mnuLivelli) c_.mnuLivelli->setBloccato(bloccato);
}

void FinestraFrase::Azzera(Azzeramento passo)
{
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
        for (int i = 0; i <= programma_.NumeroComplemento; ++i) {
            if (Label4.Esiste(i)) Label4(i).show();
            if (Label6.Esiste(i)) Label6(i).show();
        }
        break;
    case Azzeramento::MostraAiuto:
        if (Command2) Command2->show();
        break;
    case Azzeramento::NascondiPronomi:
        if (Frame1) Frame1->hide();
        break;
    case Azzeramento::AzzeraPronomi:
        for (int i = Command1.LBound(); i <= Command1.UBound(); ++i) {
            if (!Command1.Esiste(i)) continue;
            Command1(i).setBackColor(colorifrase::Bottone);
            Command1(i).setEnabled(true);
        }
        break;
    case Azzeramento::TogliEtichette: Label3.UnloadCreati(); break;
    case Azzeramento::SvuotaCaselle:
        for (int i = Label4.LBound(); i <= Label4.UBound(); ++i)
            if (Label4.Esiste(i)) Label4(i).setCaption(QString());
        break;
    case Azzeramento::BloccaLivelli: BloccaLivelli(true); break;
    }
}

void FinestraFrase::CaricaFrase()
{
    if (!Label3.Esiste(0)) return; // not loaded
    for (Azzeramento passo : variante_.azzeramento) Azzera(passo);

    // The draw: a random non-empty entry (and, where asked, one without "["). A list without any
    // such entry gives no sentence at all instead of an endless draw.
    const int numero = std::clamp<int>(NumeroFrasi, 0, MassimoRighe);
    auto disegnabile = [this](int i) {
        return !Frasi[i].isEmpty() && !(variante_.saltaRigheConSottinteso && Frasi[i].contains(SegnoSottinteso));
    };
    bool almenoUna = false;
    for (int i = 1; i <= numero && !almenoUna; ++i) almenoUna = disegnabile(i);
    if (!almenoUna) {
        fraseInCorso_ = false;
        Label3.UnloadCreati();
        ConSottinteso = false;
        TestoFrase.clear();
        Label3(0).setCaption(QString());
        Label3(0).hide();
        for (int i = Command1.LBound(); i <= Command1.UBound(); ++i)
            if (Command1.Esiste(i)) Command1(i).setEnabled(false);
        // Another level stays within reach.
        BloccaLivelli(false);
        // A list that could not be read was named already by the loader: one message is enough.
        if (ListaLetta) programma_.servizi().MsgBox(widget(), MessaggioNessunaFrase, msg::Critical, TitoloProgramma);
        return;
    }
    int indice = 0;
    do {
        indice = programma_.Casuale(numero) + 1;
    } while (!disegnabile(indice));
    programma_.IndiceFrase = static_cast<std::int16_t>(indice);

    fraseInCorso_ = true;
    CostruisciFrase(Frasi[indice]);
    CodaFrase();
}

void FinestraFrase::CostruisciFrase(const QString& riga)
{
    ConSottinteso = false;
    TestoFrase.clear();
    Label3(0).setAutoSize(true);

    const RigaFrase letta = LeggiRigaFrase(riga);
    const int limite = LimiteACapo(Width());
    for (int k = 0; k < static_cast<int>(letta.parti.size()); ++k) {
        const ParteFrase& parte = letta.parti[k];
        if (k > 0) {
            if (Label3.Esiste(k)) Label3.Unload(k);
            Etichetta* nuova = Label3.Load(k);
            nuova->setAutoSize(true);
            const Etichetta& prima = Label3(k - 1);
            nuova->Move(prima.Left() + prima.Width(), prima.Top());
        }
        Etichetta& e = Label3(k);
        if (parte.sottinteso) {
            ConSottinteso = true;
            Sottinteso = parte.pronome;
            switch (variante_.didascaliaSottinteso) {
            case DidascaliaSottinteso::Vuota: e.setCaption(QString()); break;
            case DidascaliaSottinteso::Pronome: e.setCaption(Sottinteso + QLatin1Char(' ')); break;
            case DidascaliaSottinteso::Invariata: break;
            }
            e.setAutoSize(false);
            e.setWidth(0);
            e.hide();
        } else {
            e.setCaption(parte.Didascalia());
            e.show();
        }
        if (k > 0) {
            const Etichetta& prima = Label3(k - 1);
            const QPoint p = PosizioneSeguente({prima.Left(), prima.Top()}, prima.Width(), e.Width(), e.Height(),
                                               Label3(0).Left(), limite);
            e.Move(p.x(), p.y());
        }
        if (parte.ruolo) e.setTag(*parte.ruolo);
    }
    TestoFrase = letta.TestoFrase;
}

QString FinestraFrase::CaptionsLabel3() const
{
    QString s;
    for (int i = Label3.LBound(); i <= Label3.UBound(); ++i)
        if (Label3.Esiste(i)) s += Label3(i).Caption();
    return s;
}

void FinestraFrase::SistemaLabel()
{
    if (!Label3.Esiste(0)) return;
    const int n = Label3.UBound();
    for (int i = 0; i <= n; ++i) {
        if (!Label3.Esiste(i) || Label3(i).Visible()) continue;
        Etichetta& e = Label3(i);
        e.show();
        e.setAutoSize(true);
        e.setBackColor(colorifrase::Verde);
    }
    const int limite = Width();
    for (int i = 1; i <= n; ++i) {
        if (!Label3.Esiste(i) || !Label3.Esiste(i - 1)) continue;
        const Etichetta& prima = Label3(i - 1);
        Etichetta& e = Label3(i);
        const QPoint p = PosizioneSeguente({prima.Left(), prima.Top()}, prima.Width(), e.Width(), e.Height(),
                                           Label3(0).Left(), limite);
        e.Move(p.x(), p.y());
    }
}

// ---- pronoun buttons ---------------------------------------------------------------------------

const std::array<QStringList, 6>& FinestraFrase::PronomiPersona()
{
    static const std::array<QStringList, 6> gruppi = {
        QStringList{QStringLiteral("io")},
        QStringList{QStringLiteral("tu")},
        QStringList{QStringLiteral("egli"), QStringLiteral("esso"), QStringLiteral("lui"), QStringLiteral("ella"),
                    QStringLiteral("essa"), QStringLiteral("lei")},
        QStringList{QStringLiteral("noi")},
        QStringList{QStringLiteral("voi")},
        QStringList{QStringLiteral("essi"), QStringLiteral("esse"), QStringLiteral("loro")},
    };
    return gruppi;
}

bool FinestraFrase::PronomeDellaPersona(const QString& sottinteso, int persona)
{
    if (persona < 1 || persona > 6) return false;
    return PronomiPersona()[persona - 1].contains(sottinteso.toLower());
}

void FinestraFrase::Command1_Click(int Index)
{
    if (Index < 0 || Index > 5) return;
    if (ConSottinteso) {
        ControllaSoggetto(Index + 1, Index);
        return;
    }
    if (!Command1.Esiste(Index)) return;
    Bottone& b = Command1(Index);
    ContaErrato();
    if (variante_.pronomeSenzaSottinteso == PronomeSenzaSottinteso::Rosso)
        b.setBackColor(colorifrase::Rosso);
    else
        b.setEnabled(false);
    ScriviErrati();
    RiempiGriglia(b.Caption());
    SuonoSbagliato(programma_);
}

void FinestraFrase::ControllaSoggetto(int persona, int Index)
{
    const bool esiste = Command1.Esiste(Index);
    if (PronomeDellaPersona(Sottinteso, persona)) {
        ContaEsatto();
        SottintesoNominato(persona);
        for (int i = Command1.LBound(); i <= Command1.UBound(); ++i)
            if (Command1.Esiste(i)) Command1(i).setEnabled(false);
        if (esiste) Command1(Index).setBackColor(colorifrase::Verde);
        RiempiGriglia(QString());
        ScriviEsatti();
        MostraAvanti();
        SuonoGiusto(programma_);
    } else {
        ContaErrato();
        ScriviErrati();
        RiempiGriglia(esiste ? Command1(Index).Caption() : QString());
        SuonoSbagliato(programma_);
        if (esiste) Command1(Index).setEnabled(false);
    }
}
