#include "suoni.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <sstream>

namespace suoni {

namespace {

constexpr double DissolvenzaFinale = 0.030; // seconds
constexpr double Smorzamento = 0.025;       // seconds a damped note takes to fall silent

void aggiungi16(std::vector<std::uint8_t>& byte, std::uint16_t valore)
{
    byte.push_back(static_cast<std::uint8_t>(valore & 0xFF));
    byte.push_back(static_cast<std::uint8_t>(valore >> 8));
}

void aggiungi32(std::vector<std::uint8_t>& byte, std::uint32_t valore)
{
    for (int i = 0; i < 4; ++i)
        byte.push_back(static_cast<std::uint8_t>((valore >> (8 * i)) & 0xFF));
}

void aggiungiTesto(std::vector<std::uint8_t>& byte, const char (&testo)[5])
{
    for (int i = 0; i < 4; ++i)
        byte.push_back(static_cast<std::uint8_t>(testo[i]));
}

std::optional<double> numero(const std::string& testo)
{
    if (testo.empty())
        return std::nullopt;
    std::size_t letti = 0;
    double valore = 0;
    try {
        valore = std::stod(testo, &letti);
    } catch (...) {
        return std::nullopt;
    }
    if (letti != testo.size() || !std::isfinite(valore))
        return std::nullopt;
    return valore;
}

} // namespace

std::optional<double> frequenzaNota(const std::string& nome)
{
    // Semitones of the natural notes above C.
    static const std::string lettere = "CDEFGAB";
    static const int semitoni[] = {0, 2, 4, 5, 7, 9, 11};
    if (nome.size() < 2)
        return std::nullopt;
    const auto posizione = lettere.find(nome[0]);
    if (posizione == std::string::npos)
        return std::nullopt;
    int semitono = semitoni[posizione];
    std::size_t i = 1;
    if (nome[i] == '#') {
        ++semitono;
        ++i;
    } else if (nome[i] == 'b') {
        --semitono;
        ++i;
    }
    if (i + 1 != nome.size() || nome[i] < '0' || nome[i] > '8')
        return std::nullopt;
    const int ottava = nome[i] - '0';
    const int daLa4 = (ottava - 4) * 12 + semitono - 9;
    return 440.0 * std::pow(2.0, daLa4 / 12.0);
}

std::optional<Timbro> timbroPerNome(const std::string& nome)
{
    // A bright, quickly fading chime for right answers.
    if (nome == "campana")
        return Timbro{{1.0, 0.30, 0.08}, 0.008, 0.16};
    // A round, slower tone for the wrong-answer sound: audible on small
    // speakers thanks to its upper partials, but without any edge.
    if (nome == "morbido")
        return Timbro{{1.0, 0.40, 0.18, 0.06}, 0.025, 0.30, true};
    return std::nullopt;
}

std::optional<std::vector<Suono>> leggiDescrizione(const std::string& testo, std::string& errore)
{
    std::vector<Suono> risultato;
    std::istringstream righe(testo);
    std::string riga;
    int numeroRiga = 0;
    while (std::getline(righe, riga)) {
        ++numeroRiga;
        if (!riga.empty() && riga.back() == '\r')
            riga.pop_back();
        std::istringstream campi(riga);
        std::vector<std::string> parole;
        for (std::string parola; campi >> parola;)
            parole.push_back(parola);
        if (parole.empty() || parole[0][0] == '#')
            continue;
        const auto sbaglio = [&](const std::string& motivo) {
            errore = "riga " + std::to_string(numeroRiga) + ": " + motivo;
            return std::nullopt;
        };
        if (parole.size() < 4)
            return sbaglio("servono nome, durata, timbro e almeno una nota");
        Suono suono;
        suono.nome = parole[0];
        const auto durata = numero(parole[1]);
        if (!durata || *durata <= 0 || *durata > 10)
            return sbaglio("durata non valida \"" + parole[1] + "\"");
        suono.durata = *durata;
        if (!timbroPerNome(parole[2]))
            return sbaglio("timbro sconosciuto \"" + parole[2] + "\"");
        suono.timbro = parole[2];
        for (std::size_t k = 3; k < parole.size(); ++k) {
            const auto chiocciola = parole[k].find('@');
            if (chiocciola == std::string::npos)
                return sbaglio("nota senza inizio \"" + parole[k] + "\"");
            const auto frequenza = frequenzaNota(parole[k].substr(0, chiocciola));
            const auto inizio = numero(parole[k].substr(chiocciola + 1));
            if (!frequenza)
                return sbaglio("nota sconosciuta \"" + parole[k] + "\"");
            if (!inizio || *inizio < 0 || *inizio >= suono.durata)
                return sbaglio("inizio fuori dal suono \"" + parole[k] + "\"");
            suono.note.push_back({*frequenza, *inizio});
        }
        risultato.push_back(std::move(suono));
    }
    return risultato;
}

std::vector<double> sintetizza(const Suono& suono, const Timbro& timbro, int frequenza)
{
    const auto totale = static_cast<std::size_t>(std::lround(suono.durata * frequenza));
    std::vector<double> campioni(totale, 0.0);
    const double dueTt = 2.0 * std::numbers::pi;
    for (const auto& nota : suono.note) {
        const auto primo = static_cast<std::size_t>(std::lround(nota.inizio * frequenza));
        // With damping, the note ends where the next note (in time) begins.
        double fine = suono.durata + 1.0;
        if (timbro.smorza) {
            for (const auto& altra : suono.note) {
                if (altra.inizio > nota.inizio)
                    fine = std::min(fine, altra.inizio);
            }
        }
        for (std::size_t n = primo; n < totale; ++n) {
            const double t = static_cast<double>(n - primo) / frequenza;
            const double assoluto = static_cast<double>(n) / frequenza;
            if (assoluto >= fine + Smorzamento)
                break;
            double salita = t < timbro.attacco
                ? 0.5 - 0.5 * std::cos(std::numbers::pi * t / timbro.attacco)
                : 1.0;
            if (assoluto > fine)
                salita *= 0.5 + 0.5 * std::cos(std::numbers::pi * (assoluto - fine) / Smorzamento);
            double valore = 0;
            for (std::size_t p = 0; p < timbro.parziali.size(); ++p) {
                const double multiplo = static_cast<double>(p + 1);
                // Upper partials die away faster, as in a struck bar.
                const double discesa = std::exp(-t * multiplo / timbro.decadimento);
                valore += timbro.parziali[p] * discesa * std::sin(dueTt * nota.frequenza * multiplo * t);
            }
            campioni[n] += salita * valore;
        }
    }
    const auto dissolvenza = std::min(totale, static_cast<std::size_t>(DissolvenzaFinale * frequenza));
    for (std::size_t i = 0; i < dissolvenza; ++i) {
        const double x = static_cast<double>(i) / static_cast<double>(dissolvenza);
        campioni[totale - 1 - i] *= 0.5 - 0.5 * std::cos(std::numbers::pi * x);
    }
    return campioni;
}

std::vector<std::int16_t> quantizza(const std::vector<double>& campioni, double picco)
{
    double massimo = 0;
    for (double c : campioni)
        massimo = std::max(massimo, std::abs(c));
    picco = std::clamp(picco, 0.0, 1.0);
    const double scala = massimo > 0 ? picco * 32767.0 / massimo : 0.0;
    std::vector<std::int16_t> risultato;
    risultato.reserve(campioni.size());
    for (double c : campioni) {
        const double valore = std::clamp(std::round(c * scala), -32767.0, 32767.0);
        risultato.push_back(static_cast<std::int16_t>(valore));
    }
    return risultato;
}

std::vector<std::uint8_t> fileWav(const std::vector<std::int16_t>& campioni, int frequenza)
{
    const auto datiByte = static_cast<std::uint32_t>(campioni.size() * 2);
    std::vector<std::uint8_t> byte;
    byte.reserve(44 + datiByte);
    aggiungiTesto(byte, "RIFF");
    aggiungi32(byte, 36 + datiByte);
    aggiungiTesto(byte, "WAVE");
    aggiungiTesto(byte, "fmt ");
    aggiungi32(byte, 16);                                     // size of the format chunk
    aggiungi16(byte, 1);                                      // PCM
    aggiungi16(byte, 1);                                      // mono
    aggiungi32(byte, static_cast<std::uint32_t>(frequenza));
    aggiungi32(byte, static_cast<std::uint32_t>(frequenza) * 2); // bytes per second
    aggiungi16(byte, 2);                                      // bytes per sample frame
    aggiungi16(byte, 16);                                     // bits per sample
    aggiungiTesto(byte, "data");
    aggiungi32(byte, datiByte);
    for (std::int16_t c : campioni)
        aggiungi16(byte, static_cast<std::uint16_t>(c));
    return byte;
}

} // namespace suoni
