// Reading a pair list: the first byte chooses how many records are kept, the rest is the list.
// Any bytes give at most that many records, texts taken from the list, and the records kept with a
// larger maximum begin with those.
#include "exercises/pairs/listacoppie.h"
#include "platform/file.h"
#include "verifica.h"

#include <utility>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n)
{
    if (n < 1) return 0;
    const std::size_t massimo = dati[0] % 32;
    const QString testo =
        file::Decodifica(QByteArray(reinterpret_cast<const char*>(dati) + 1, static_cast<qsizetype>(n - 1)));
    const std::vector<RecordCoppia> record = LeggiListaCoppie(testo, massimo);
    VERIFICA(record.size() <= massimo);
    for (const RecordCoppia& r : record) VERIFICA(testo.contains(r.primo.testo) && testo.contains(r.secondo.testo));
    const std::vector<RecordCoppia> altri = LeggiListaCoppie(testo, massimo + 1);
    VERIFICA(altri.size() >= record.size());
    for (std::size_t i = 0; i < record.size(); ++i) {
        for (const auto& [a, b] : {std::pair(record[i].primo, altri[i].primo), std::pair(record[i].secondo, altri[i].secondo)})
            VERIFICA(a.testo == b.testo && a.codice == b.codice);
    }
    return 0;
}
