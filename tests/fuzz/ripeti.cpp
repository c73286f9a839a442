// Runs a fuzz target once over every file of the folders given (its seeds and every input that
// ever found a fault), so that the normal test build replays them without libFuzzer. No input at
// all is a failure: the seeds were lost.
#include "verifica.h"

#include <QDir>
#include <QFile>

#include <cstdio>

int main(int argc, char** argv)
{
    int ripetuti = 0;
    for (int a = 1; a < argc; ++a) {
        // A target without a fault found yet has no folder of found inputs.
        const QDir cartella(QString::fromLocal8Bit(argv[a]));
        for (const QFileInfo& voce : cartella.entryInfoList(QDir::Files, QDir::Name)) {
            QFile f(voce.filePath());
            if (!f.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "cannot read %s\n", qPrintable(voce.filePath()));
                return 1;
            }
            const QByteArray dati = f.readAll();
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(dati.constData()),
                                   static_cast<std::size_t>(dati.size()));
            ++ripetuti;
        }
    }
    std::printf("%d inputs replayed\n", ripetuti);
    return ripetuti > 0 ? 0 : 1;
}
