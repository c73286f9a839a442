// Synthesis of the program's short answer sounds and their WAV encoding.
// Plain C++: the build runs this before any Qt code exists.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace suoni {

constexpr int FrequenzaCampionamento = 22050;

// How a note sounds: the partials (multiples of the fundamental) with their
// relative amplitudes, the attack time and the decay time constant.
struct Timbro {
    std::vector<double> parziali;   // amplitude of partial 1, 2, 3, ...
    double attacco = 0.010;         // seconds, raised-cosine rise
    double decadimento = 0.2;       // seconds, exp(-t / decadimento) on partial 1
    bool smorza = false;            // a note is damped when the next one starts
};

struct Nota {
    double frequenza = 0;   // Hz
    double inizio = 0;      // seconds from the start of the sound
};

struct Suono {
    std::string nome;       // file name without ".wav"
    double durata = 0;      // seconds
    std::string timbro;     // name of a timbre known to timbroPerNome
    std::vector<Nota> note;
};

// Frequency in Hz of a note name such as "A4", "C5", "F#3", "Bb4" (equal
// temperament, A4 = 440 Hz); nothing for a name that is not a note.
std::optional<double> frequenzaNota(const std::string& nome);

// The timbres the description file may name ("campana", "morbido").
std::optional<Timbro> timbroPerNome(const std::string& nome);

// Reads the description file's text: one sound per line,
//   name  duration  timbre  NOTE@start  NOTE@start ...
// blank lines and lines starting with '#' are skipped. On the first bad line
// returns nothing and puts a message naming the line into errore.
std::optional<std::vector<Suono>> leggiDescrizione(const std::string& testo, std::string& errore);

// Renders a sound to samples in [-1, 1] (not yet normalised). The sound
// fades out over its last few milliseconds so that it never ends with a click.
std::vector<double> sintetizza(const Suono& suono, const Timbro& timbro,
                               int frequenza = FrequenzaCampionamento);

// Scales the samples so that the loudest one reaches picco (0 < picco < 1) and
// rounds them to 16 bits. Silence stays silence; nothing ever clips.
std::vector<std::int16_t> quantizza(const std::vector<double>& campioni, double picco);

// A complete RIFF/WAVE file: PCM, mono, 16-bit, little-endian.
std::vector<std::uint8_t> fileWav(const std::vector<std::int16_t>& campioni,
                                  int frequenza = FrequenzaCampionamento);

} // namespace suoni
