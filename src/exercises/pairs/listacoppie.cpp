#include "exercises/pairs/listacoppie.h"

namespace {

bool FineRiga(QChar c) { return c == QLatin1Char('\r') || c == QLatin1Char('\n'); }
bool Spazio(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

// Splits the text into fields: a field ends at a comma or a line end; blanks before a field are
// skipped; a quoted field runs to its closing quote, and whatever stands between that quote and
// the next separator is dropped. Blank lines give no field.
std::vector<QString> Campi(const QString& t)
{
    std::vector<QString> campi;
    qsizetype i = 0;
    const qsizetype n = t.size();
    while (i < n) {
        while (i < n && Spazio(t[i])) ++i;
        if (i < n && FineRiga(t[i])) { // an empty line, or the end of a line after a separator
            ++i;
            continue;
        }
        if (i >= n) break;
        QString campo;
        if (t[i] == QLatin1Char('"')) {
            ++i;
            while (i < n && t[i] != QLatin1Char('"')) campo += t[i++];
            if (i < n) ++i; // closing quote
            while (i < n && t[i] != QLatin1Char(',') && !FineRiga(t[i])) ++i;
        } else {
            while (i < n && t[i] != QLatin1Char(',') && !FineRiga(t[i])) campo += t[i++];
            while (!campo.isEmpty() && Spazio(campo.back())) campo.chop(1);
        }
        if (i < n && t[i] == QLatin1Char(',')) ++i;
        campi.push_back(campo);
    }
    return campi;
}

int Codice(const QString& campo)
{
    bool ok = false;
    const double v = campo.trimmed().toDouble(&ok);
    if (!ok || v != static_cast<int>(v)) return -1;
    return static_cast<int>(v);
}

} // namespace

std::vector<RecordCoppia> LeggiListaCoppie(const QString& testo)
{
    const std::vector<QString> campi = Campi(testo);
    std::vector<RecordCoppia> record;
    for (size_t i = 0; i + 3 < campi.size(); i += 4)
        record.push_back({{campi[i], Codice(campi[i + 1])}, {campi[i + 2], Codice(campi[i + 3])}});
    return record;
}
