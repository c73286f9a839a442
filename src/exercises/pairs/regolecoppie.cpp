#include "exercises/pairs/regolecoppie.h"

#include <QSet>

#include <algorithm>

namespace coppie {

namespace {

int Scegli(const Casuale& casuale, int n)
{
    return std::clamp(casuale(n), 0, n - 1);
}

std::vector<int> Utilizzabili(int numero, const Utilizzabile& utilizzabile)
{
    std::vector<int> elenco;
    for (int i = 1; i <= numero; ++i)
        if (utilizzabile(i)) elenco.push_back(i);
    return elenco;
}

} // namespace

bool CoppiaUtilizzabile(const QString& soggetto, const QString& predicato)
{
    return !soggetto.isEmpty() && !predicato.isEmpty();
}

std::optional<int> EstraiCoppia(int numero, const Utilizzabile& utilizzabile, const Casuale& casuale)
{
    const std::vector<int> elenco = Utilizzabili(numero, utilizzabile);
    if (elenco.empty()) return std::nullopt;
    return elenco[Scegli(casuale, static_cast<int>(elenco.size()))];
}

int ChiaviDiverse(int numero, const Utilizzabile& utilizzabile, const std::function<QString(int)>& chiave)
{
    QSet<QString> chiavi;
    for (int i : Utilizzabili(numero, utilizzabile)) chiavi.insert(chiave(i));
    return static_cast<int>(chiavi.size());
}

std::vector<int> EstraiCoppie(int numero, int quanti, const Utilizzabile& utilizzabile,
                              const std::function<QString(int)>& chiave, const Casuale& casuale)
{
    std::vector<int> restanti = Utilizzabili(numero, utilizzabile);
    std::vector<int> estratte;
    QSet<QString> prese;
    while (static_cast<int>(estratte.size()) < quanti && !restanti.empty()) {
        const int scelta = restanti[Scegli(casuale, static_cast<int>(restanti.size()))];
        estratte.push_back(scelta);
        prese.insert(chiave(scelta));
        std::erase_if(restanti, [&](int i) { return prese.contains(chiave(i)); });
    }
    return estratte;
}

Posti ScombiccheraPosti(Posti p, int sinistra, int destra, int livello, const Casuale& casuale)
{
    int ordine = 0;
    if (livello == 1 || livello == 2)
        ordine = livello;
    else if (livello == 3)
        ordine = Scegli(casuale, 2) + 1;
    if (ordine == 1) {
        p.caselle = {sinistra, destra};
        p.tagCaselle = {TagSinistra, TagDestra};
    } else if (ordine == 2) {
        p.caselle = {destra, sinistra};
        p.tagCaselle = {TagDestra, TagSinistra};
    }
    const bool sottoLeProprie = Scegli(casuale, 2) == 1;
    for (int i = 0; i < 2; ++i) {
        const int casella = sottoLeProprie ? i : 1 - i;
        p.parole[i] = p.caselle[casella];
        p.tagParole[i] = p.tagCaselle[casella];
    }
    return p;
}

int IndiceDaTag(int posizione, const QString& tag0, const QString& tag1, int attuale)
{
    const bool primo = posizione == 1;
    if (tag0 == TagSinistra) attuale = primo ? 0 : 1;
    if (tag1 == TagSinistra) attuale = primo ? 1 : 0;
    return attuale;
}

Esito Colloca(StatoCoppia& stato, int parola, int casella)
{
    Q_ASSERT_X(parola >= 0 && parola < 2 && casella >= 0 && casella < 2, "Colloca", "a pair has two words and two boxes");
    if (stato.parole[parola].isEmpty()) return Esito::Niente;
    if (parola != casella) return Esito::Sbagliata;
    stato.caselle[casella] = stato.parole[parola];
    stato.parole[parola].clear();
    return !stato.caselle[0].isEmpty() && !stato.caselle[1].isEmpty() ? Esito::Completata : Esito::Collocata;
}

int RigheInUso(int numeroRighe, int estratte)
{
    const int righe = std::min(std::clamp(numeroRighe, RigheMinime, RigheMassime), estratte);
    return righe >= RigheMinime ? righe : 0;
}

std::vector<int> MescolaRighe(int righe, const Casuale& casuale)
{
    std::vector<int> soggettoDellaRiga;
    std::vector<bool> collocato(static_cast<size_t>(std::max(righe, 0)), false);
    for (int k = 0; k < righe; ++k) {
        int j = Scegli(casuale, righe);
        while (collocato[static_cast<size_t>(j)]) j = (j + 1) % righe;
        collocato[static_cast<size_t>(j)] = true;
        soggettoDellaRiga.push_back(j);
    }
    return soggettoDellaRiga;
}

QString TestoVisto(const QString& testo)
{
    return testo.simplified();
}

Abbinamento::Abbinamento(const std::vector<Frase>& frasi)
    : fatte_(frasi.size(), false), soggettiPresi_(frasi.size(), false), casellePrese_(frasi.size(), false)
{
    for (const Frase& f : frasi) frasi_.push_back({TestoVisto(f.soggetto), TestoVisto(f.predicato)});
}

bool Abbinamento::Abbina(int soggetto, int casella)
{
    const auto s = static_cast<std::size_t>(soggetto);
    const auto c = static_cast<std::size_t>(casella);
    if (soggetto < 0 || casella < 0 || s >= frasi_.size() || c >= frasi_.size() || soggettiPresi_[s] || casellePrese_[c])
        return false;
    for (std::size_t k = 0; k < frasi_.size(); ++k) {
        if (fatte_[k] || frasi_[k].soggetto != frasi_[s].soggetto || frasi_[k].predicato != frasi_[c].predicato)
            continue;
        fatte_[k] = soggettiPresi_[s] = casellePrese_[c] = true;
        return true;
    }
    return false;
}

QStringList RigaAbbinamento(int righe, const QString& coppia, bool giusta)
{
    const QString vuota = QStringLiteral(" ");
    return {QString::number(righe), giusta ? coppia : vuota, giusta ? vuota : coppia};
}

QRect Riquadro(const QRect& controllo, int scostamento, int margine)
{
    return {controllo.left() - scostamento, controllo.top() - scostamento, controllo.width() + 2 * margine,
            controllo.height() + 2 * margine};
}

} // namespace coppie
