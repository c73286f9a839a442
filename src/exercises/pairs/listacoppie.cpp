#include "exercises/pairs/listacoppie.h"

#include <QRegularExpression>

#include <cmath>
#include <optional>

namespace {

bool FineRiga(QChar c) { return c == QLatin1Char('\r') || c == QLatin1Char('\n'); }
bool Spazio(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }
bool Separatore(QChar c) { return c == QLatin1Char(',') || FineRiga(c); }

struct Campo {
    QString testo;
    bool integro = true; // false: a quote never closed, or something after the closing quote
    bool virgolette = false;
};

// Reads the field that starts at i, or at the first non-blank place after it (blank lines are
// passed over), and leaves i past its separator. Nothing when the text ends before a field.
std::optional<Campo> LeggiCampo(const QString& t, qsizetype& i)
{
    const qsizetype n = t.size();
    while (i < n && (Spazio(t[i]) || FineRiga(t[i]))) ++i;
    if (i >= n) return std::nullopt;
    Campo campo;
    if (t[i] == QLatin1Char('"')) {
        campo.virgolette = true;
        const qsizetype chiusa = t.indexOf(QLatin1Char('"'), i + 1);
        if (chiusa < 0) {
            campo.testo = t.mid(i + 1);
            campo.integro = false;
            i = n;
            return campo;
        }
        campo.testo = t.mid(i + 1, chiusa - i - 1);
        i = chiusa + 1;
        while (i < n && Spazio(t[i])) ++i;
        if (i < n && !Separatore(t[i])) {
            campo.integro = false;
            while (i < n && !Separatore(t[i])) ++i;
        }
    } else {
        const qsizetype inizio = i;
        while (i < n && !Separatore(t[i])) ++i;
        qsizetype fine = i;
        while (fine > inizio && Spazio(t[fine - 1])) --fine;
        campo.testo = t.mid(inizio, fine - inizio);
    }
    if (i < n && t[i] == QLatin1Char(',')) ++i;
    return campo;
}

// Where the line after the one holding position p begins.
qsizetype RigaSeguente(const QString& t, qsizetype p)
{
    const qsizetype n = t.size();
    while (p < n && !FineRiga(t[p])) ++p;
    if (p < n && t[p] == QLatin1Char('\r') && p + 1 < n && t[p + 1] == QLatin1Char('\n')) ++p;
    return p < n ? p + 1 : n;
}

// The code a field holds: 0, 1 or another number; nothing when the field is not a number.
std::optional<CodiceCoppia> Codice(const QString& campo, LetturaCampi lettura)
{
    bool ok = false;
    double v = campo.trimmed().toDouble(&ok);
    // A number too large for a double still is a number (it comes back infinite).
    if (!ok && !std::isinf(v)) return std::nullopt;
    if (lettura == LetturaCampi::InteroETesto) {
        // A whole number of 16 bits: rounded to the nearest, a half to the even one; a number
        // outside that range (or not finite) is no 0 or 1, and is never converted.
        if (!(v >= -32768.5 && v < 32767.5)) return CodiceCoppia::Altro;
        v = std::nearbyint(v);
    }
    // Compared as numbers: no value, however large or not a number at all, is made an integer.
    if (v == 0.0) return CodiceCoppia::Soggetto;
    if (v == 1.0) return CodiceCoppia::Predicato;
    return CodiceCoppia::Altro;
}

// What a text field stores: in the matching windows an unquoted decimal number is kept as the
// number's own text.
QString Testo(const Campo& campo, LetturaCampi lettura)
{
    static const QRegularExpression numero(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"));
    if (lettura == LetturaCampi::InteroETesto || campo.virgolette || !numero.match(campo.testo).hasMatch())
        return campo.testo;
    const double v = campo.testo.toDouble();
    if (!std::isfinite(v)) return campo.testo;
    return QString::number(v, 'g', 15).toUpper();
}

} // namespace

std::vector<RecordCoppia> LeggiListaCoppie(const QString& testo, std::size_t massimo, LetturaCampi lettura)
{
    std::vector<RecordCoppia> record;
    const qsizetype n = testo.size();
    qsizetype i = 0;
    while (record.size() < massimo) {
        while (i < n && (Spazio(testo[i]) || FineRiga(testo[i]))) ++i;
        if (i >= n) break;
        const qsizetype inizio = i;
        std::optional<Campo> campi[4];
        for (auto& c : campi) c = LeggiCampo(testo, i);
        const bool tutti = campi[3].has_value();
        const std::optional<CodiceCoppia> primo = tutti ? Codice(campi[1]->testo, lettura) : std::nullopt;
        const std::optional<CodiceCoppia> secondo = tutti ? Codice(campi[3]->testo, lettura) : std::nullopt;
        bool integro = primo && secondo;
        for (const auto& c : campi) integro = integro && c && c->integro;
        if (!integro) {
            i = RigaSeguente(testo, inizio);
            continue;
        }
        record.push_back({{Testo(*campi[0], lettura), *primo}, {Testo(*campi[2], lettura), *secondo}});
    }
    return record;
}
