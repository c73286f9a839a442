#include "exercises/sentences/regolecomplementi.h"

#include <algorithm>

namespace complementi {

bool DaCollocare(bool visibile, const QString& didascalia)
{
    return visibile && !didascalia.trimmed().isEmpty();
}

std::optional<int> ParteDaCollocare(int da, int n, const std::function<bool(int)>& daCollocare)
{
    for (int k = std::max(da, 0); k < n; ++k)
        if (daCollocare(k)) return k;
    return std::nullopt;
}

Seguito SeguitoFrase(bool restanoParti, bool soggettoVuoto, bool conSottinteso)
{
    if (restanoParti) return Seguito::AltreParti;
    return soggettoVuoto && conSottinteso ? Seguito::Pronomi : Seguito::Finita;
}

bool CasellaSceglibile(SceltaCaselle regola, bool visibile, bool vuota, bool vuotaPerLaParte)
{
    if (!visibile) return false;
    return regola == SceltaCaselle::Visibili || vuota || !vuotaPerLaParte;
}

Premio PremioGiusto(Punteggio punteggio, bool aiutoUsato, Seguito seguito)
{
    if (punteggio == Punteggio::OgniRisposta) return {true, true};
    // Before the end, only while the help is unused; at the end one point either way: the
    // placement's own while the help is unused, the finished sentence's once it was used.
    if (seguito == Seguito::Finita) return {true, true};
    return {!aiutoUsato, false};
}

} // namespace complementi
