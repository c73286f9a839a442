#include "exercises/sentences/rigafrase.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

// Leading and trailing blanks only: tabs and other white space belong to the text.
QStringView TogliSpazi(QStringView s)
{
    qsizetype inizio = 0;
    qsizetype fine = s.size();
    while (inizio < fine && s[inizio] == QLatin1Char(' ')) ++inizio;
    while (fine > inizio && s[fine - 1] == QLatin1Char(' ')) --fine;
    return s.mid(inizio, fine - inizio);
}

} // namespace

RigaFrase LeggiRigaFrase(const QString& riga)
{
    RigaFrase r;
    const QStringView tagliata = TogliSpazi(riga);
    if (tagliata.size() > MassimoCaratteriRiga) {
        r.troppoGrande = true;
        return r;
    }
    r.testo = tagliata.toString();
    if (!r.testo.isEmpty()) r.testo[0] = r.testo[0].toUpper();

    QString accumulatore;
    bool attesaTesto = true;
    for (const QChar c : r.testo) {
        if (c != SeparatoreRiga) {
            accumulatore.append(c);
            continue;
        }
        const QString pezzo = TogliSpazi(accumulatore).toString();
        accumulatore.clear();
        if (attesaTesto) {
            if (std::ssize(r.parti) == MassimoPartiRiga) {
                RigaFrase troppo;
                troppo.troppoGrande = true;
                return troppo;
            }
            ParteFrase p;
            p.testo = pezzo;
            if (pezzo.startsWith(SegnoSottinteso)) {
                p.sottinteso = true;
                p.pronome = pezzo.size() >= 2 ? pezzo.mid(1, pezzo.size() - 2) : QString();
                r.ConSottinteso = true;
                r.Sottinteso = p.pronome;
            } else {
                r.TestoFrase += p.Didascalia();
            }
            r.parti.push_back(std::move(p));
            attesaTesto = false;
        } else {
            r.parti.back().ruolo = pezzo;
            attesaTesto = true;
        }
    }
    return r;
}

double RuoloIniziale(const QString& tag)
{
    const QString& s = tag;
    qsizetype i = 0;
    const qsizetype n = s.size();
    while (i < n && (s[i] == QLatin1Char(' ') || s[i] == QLatin1Char('\t'))) ++i;
    const qsizetype inizio = i;
    if (i < n && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-'))) ++i;
    qsizetype cifre = 0;
    while (i < n && s[i].isDigit() && s[i].unicode() < 128) ++i, ++cifre;
    if (i < n && s[i] == QLatin1Char('.')) {
        ++i;
        while (i < n && s[i].isDigit() && s[i].unicode() < 128) ++i, ++cifre;
    }
    if (cifre == 0) return 0;
    qsizetype fine = i;
    if (i < n && (s[i] == QLatin1Char('e') || s[i] == QLatin1Char('E'))) {
        qsizetype j = i + 1;
        if (j < n && (s[j] == QLatin1Char('+') || s[j] == QLatin1Char('-'))) ++j;
        const qsizetype inizioEsponente = j;
        while (j < n && s[j].isDigit() && s[j].unicode() < 128) ++j;
        if (j > inizioEsponente) fine = j;
    }
    bool ok = false;
    const double v = s.mid(inizio, fine - inizio).toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0;
}

int LimiteACapo(double larghezzaFinestra)
{
    const long w = std::lround(larghezzaFinestra);
    return static_cast<int>((w / 10) * 8);
}

QPoint PosizioneSeguente(const QPoint& precedente, int larghezzaPrecedente, int larghezza, int altezza,
                         int margineSinistro, int limite)
{
    const int left = precedente.x() + larghezzaPrecedente;
    if (left + larghezza >= limite) return {margineSinistro, precedente.y() + 2 * altezza};
    return {left, precedente.y()};
}

std::vector<QPoint> PosizioniParole(const std::vector<QSize>& dimensioni, const QPoint& prima, int limite)
{
    std::vector<QPoint> posizioni;
    posizioni.reserve(dimensioni.size());
    for (std::size_t k = 0; k < dimensioni.size(); ++k) {
        if (k == 0) {
            posizioni.push_back(prima);
            continue;
        }
        posizioni.push_back(PosizioneSeguente(posizioni[k - 1], dimensioni[k - 1].width(), dimensioni[k].width(),
                                              dimensioni[k].height(), prima.x(), limite));
    }
    return posizioni;
}

bool RigaFrase::Disegnabile() const
{
    if (troppoGrande) return false;
    return std::any_of(parti.begin(), parti.end(), [](const ParteFrase& parte) {
        return !parte.sottinteso &&
               std::any_of(parte.testo.begin(), parte.testo.end(), [](QChar c) { return c.isPrint() && !c.isSpace(); });
    });
}

std::optional<double> RigaFrase::RuoloParte(std::size_t k) const
{
    if (k >= parti.size()) return std::nullopt;
    if (parti[k].ruolo) return RuoloIniziale(*parti[k].ruolo);
    return k > 0 ? RuoloParte(0) : std::nullopt;
}

bool RigaFrase::RuoloMostrato(double ruolo) const
{
    for (std::size_t k = 0; k < parti.size(); ++k)
        if (!parti[k].sottinteso && RuoloParte(k) == ruolo) return true;
    return false;
}
