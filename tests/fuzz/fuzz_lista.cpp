// Loading a list file: the first two bytes choose the bounds (lines, bytes), the rest is the file.
// What is read is the file's first lines, whole, within both bounds, and all of them when the file
// is within them.
#include "platform/file.h"
#include "verifica.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

bool Utf16(const QByteArray& byte)
{
    return byte.startsWith("\xFF\xFE") || byte.startsWith("\xFE\xFF");
}

// Lines as the line reader splits them: byte for byte (every byte one character), or as UTF-16.
QStringList RigheGrezze(const QByteArray& byte)
{
    return file::Righe(Utf16(byte) ? file::Decodifica(byte) : QString::fromLatin1(byte));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n)
{
    if (n < 2) return 0;
    const qsizetype massimoRighe = dati[0] % 16;
    const qsizetype massimoByte = dati[1] == 255 ? qsizetype(1) << 30 : dati[1];
    const QByteArray contenuto(reinterpret_cast<const char*>(dati) + 2, static_cast<qsizetype>(n - 2));

    static QTemporaryDir cartella;
    const QString percorso = cartella.filePath(QStringLiteral("lista.txt"));
    {
        QFile f(percorso);
        VERIFICA(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        VERIFICA(f.write(contenuto) == contenuto.size());
    }
    const std::optional<QByteArray> letti = file::LeggiInizio(percorso, massimoRighe, massimoByte);
    VERIFICA(letti.has_value());
    VERIFICA(contenuto.startsWith(*letti));
    VERIFICA(letti->size() <= massimoByte);
    const QStringList righe = RigheGrezze(*letti);
    const QStringList tutte = RigheGrezze(contenuto);
    VERIFICA(righe.size() <= massimoRighe);
    VERIFICA(tutte.mid(0, righe.size()) == righe);
    if (tutte.size() <= massimoRighe && contenuto.size() <= massimoByte) VERIFICA(righe == tutte);
    // The decoded lines, as a window keeps them: the same lines, less a leading byte-order mark.
    const std::optional<QStringList> decodificate = file::LeggiRighe(percorso, massimoRighe, massimoByte);
    const QByteArray senzaMarca = letti->startsWith("\xEF\xBB\xBF") ? letti->mid(3) : *letti;
    // Of a UTF-16 file only whole units are kept, up to a line end or the end of the file.
    if (letti->size() < contenuto.size() && Utf16(contenuto)) VERIFICA(letti->size() % 2 == 0);
    const QStringList grezze = Utf16(*letti) ? righe : file::Righe(QString::fromLatin1(senzaMarca));
    VERIFICA(decodificate && decodificate->size() == grezze.size());
    return 0;
}
