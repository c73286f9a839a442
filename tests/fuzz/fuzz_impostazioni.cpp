// The settings file's bytes: any file gives either nothing or values the configuration offers, and
// those values written out read back the same.
#include "core/impostazioni.h"
#include "verifica.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n)
{
    const QByteArray byte(reinterpret_cast<const char*>(dati), static_cast<qsizetype>(n));
    const std::optional<Impostazioni> letti = InterpretaImpostazioni(byte);
    if (!letti) return 0;
    VERIFICA(letti->ModalitaInput >= ModoMouse && letti->ModalitaInput <= ModoFrecce);
    VERIFICA(letti->VelocitaScansione >= 4 && letti->VelocitaScansione <= 60);
    VERIFICA(letti->ColoreScansione >= 0 && letti->ColoreScansione <= 0xFFFFFF);
    VERIFICA(InterpretaImpostazioni(TestoImpostazioni(*letti)) == letti);
    return 0;
}
