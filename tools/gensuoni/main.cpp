// gensuoni DESCRIPTION FOLDER
// Writes one WAV file per sound of the description file into FOLDER.
#include "suoni.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

namespace {

constexpr double Picco = 0.70; // loudest sample, as a share of full scale

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "uso: gensuoni DESCRIZIONE CARTELLA\n";
        return 2;
    }
    std::ifstream ingresso(argv[1], std::ios::binary);
    if (!ingresso) {
        std::cerr << "gensuoni: non riesco a leggere " << argv[1] << '\n';
        return 1;
    }
    const std::string testo{std::istreambuf_iterator<char>(ingresso), std::istreambuf_iterator<char>()};
    std::string errore;
    const auto descrizione = suoni::leggiDescrizione(testo, errore);
    if (!descrizione) {
        std::cerr << "gensuoni: " << argv[1] << ", " << errore << '\n';
        return 1;
    }
    const std::filesystem::path cartella = argv[2];
    std::error_code codice;
    std::filesystem::create_directories(cartella, codice);
    for (const auto& suono : *descrizione) {
        const auto campioni = suoni::quantizza(
            suoni::sintetizza(suono, *suoni::timbroPerNome(suono.timbro)), Picco);
        const auto byte = suoni::fileWav(campioni);
        const auto percorso = cartella / (suono.nome + ".wav");
        std::ofstream uscita(percorso, std::ios::binary | std::ios::trunc);
        uscita.write(reinterpret_cast<const char*>(byte.data()), static_cast<std::streamsize>(byte.size()));
        if (!uscita) {
            std::cerr << "gensuoni: non riesco a scrivere " << percorso << '\n';
            return 1;
        }
    }
    return 0;
}
