#include "file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringDecoder>

#include <algorithm>
#include <array>

namespace file {

bool EsisteFile(const QString& percorso)
{
    if (percorso.isEmpty()) return false;
    const QFileInfo info(percorso);
    return info.exists() && info.isFile() && !info.isHidden();
}

bool EsisteCartella(const QString& percorso)
{
    if (percorso.isEmpty()) return false;
    const QFileInfo info(percorso);
    return info.exists() && info.isDir();
}

namespace {

// Strict UTF-8 check: no overlong forms, no surrogates, nothing above U+10FFFF.
bool Utf8Valido(const QByteArray& b)
{
    const auto n = b.size();
    qsizetype i = 0;
    while (i < n) {
        const auto c = static_cast<unsigned char>(b[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        int seguito = 0;
        char32_t minimo = 0;
        char32_t cp = 0;
        if (c >= 0xC2 && c <= 0xDF) {
            seguito = 1;
            cp = c & 0x1F;
            minimo = 0x80;
        } else if (c >= 0xE0 && c <= 0xEF) {
            seguito = 2;
            cp = c & 0x0F;
            minimo = 0x800;
        } else if (c >= 0xF0 && c <= 0xF4) {
            seguito = 3;
            cp = c & 0x07;
            minimo = 0x10000;
        } else {
            return false;
        }
        if (i + seguito > n - 1) return false;
        for (int k = 1; k <= seguito; ++k) {
            const auto s = static_cast<unsigned char>(b[i + k]);
            if ((s & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (s & 0x3F);
        }
        if (cp < minimo || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        i += seguito + 1;
    }
    return true;
}

// Windows-1252 bytes 0x80..0x9F. The five bytes the code page leaves unassigned stand for the C1
// control of the same value, so that every byte reads as one character and writes back as itself.
constexpr std::array<char16_t, 32> Cp1252Alto = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// How a text's characters are stored, told by its byte-order mark: one byte each, or the 16-bit
// units of UTF-16 in either order.
enum class Unita { Byte, Utf16LE, Utf16BE };

Unita UnitaDi(const QByteArray& inizio)
{
    if (inizio.startsWith("\xFF\xFE")) return Unita::Utf16LE;
    if (inizio.startsWith("\xFE\xFF")) return Unita::Utf16BE;
    return Unita::Byte;
}

qsizetype Larghezza(Unita u)
{
    return u == Unita::Byte ? 1 : 2;
}

// The character unit that starts at byte i.
char16_t UnitaIn(const QByteArray& b, qsizetype i, Unita u)
{
    const auto byte = [&b](qsizetype k) { return static_cast<char16_t>(static_cast<unsigned char>(b[k])); };
    switch (u) {
    case Unita::Byte: break;
    case Unita::Utf16LE: return static_cast<char16_t>(byte(i) | byte(i + 1) << 8);
    case Unita::Utf16BE: return static_cast<char16_t>(byte(i) << 8 | byte(i + 1));
    }
    return byte(i);
}

} // namespace

QString Decodifica(const QByteArray& byte)
{
    // UTF-16 as a Windows editor saves "Unicode": its mark dropped, a second one kept as a character,
    // a last byte without its pair a character that cannot be read.
    if (const Unita u = UnitaDi(byte); u != Unita::Byte) {
        const auto regole = QStringConverter::Flag::ConvertInitialBom | QStringConverter::Flag::Stateless;
        return QStringDecoder(u == Unita::Utf16LE ? QStringConverter::Utf16LE : QStringConverter::Utf16BE, regole)(
            byte.mid(2));
    }
    QByteArray b = byte;
    if (b.startsWith("\xEF\xBB\xBF")) b.remove(0, 3);
    // Only the one mark removed above: a second one stays a character, as every other byte does.
    if (Utf8Valido(b)) return QStringDecoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom)(b);
    QString s;
    s.reserve(b.size());
    for (const char ch : b) {
        const auto c = static_cast<unsigned char>(ch);
        if (c >= 0x80 && c <= 0x9F)
            s.append(QChar(Cp1252Alto[c - 0x80]));
        else
            s.append(QChar(static_cast<char16_t>(c)));
    }
    return s;
}

QByteArray CodificaAnsi(const QString& testo)
{
    QByteArray b;
    b.reserve(testo.size());
    for (const QChar c : testo) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            b.append(static_cast<char>(u));
            continue;
        }
        const auto k = std::find(Cp1252Alto.begin(), Cp1252Alto.end(), u) - Cp1252Alto.begin();
        b.append(k < std::ssize(Cp1252Alto) ? static_cast<char>(0x80 + k) : '?');
    }
    return b;
}

QStringList Righe(const QString& testo)
{
    QStringList righe;
    const auto n = testo.size();
    qsizetype inizio = 0;
    qsizetype i = 0;
    while (i < n) {
        const QChar c = testo[i];
        if (c == u'\r' || c == u'\n') {
            righe.append(testo.mid(inizio, i - inizio));
            if (c == u'\r' && i + 1 < n && testo[i + 1] == u'\n') ++i;
            ++i;
            inizio = i;
        } else {
            ++i;
        }
    }
    if (inizio < n) righe.append(testo.mid(inizio));
    return righe;
}

std::optional<QByteArray> LeggiInizio(const QString& percorso, qsizetype massimoRighe, qsizetype massimoByte)
{
    Q_ASSERT_X(massimoRighe >= 0 && massimoByte >= 0, "file::LeggiInizio", "negative bound");
    QFile f(percorso);
    if (!QFileInfo(percorso).isFile() || !f.open(QIODevice::ReadOnly)) return std::nullopt;
    constexpr qsizetype Blocco = 64 * 1024;
    QByteArray byte;
    qsizetype righe = 0;
    qsizetype fineUltimaRiga = 0; // just past the last line end read
    qsizetype esaminati = 0;      // bytes looked at: whole units only
    std::optional<Unita> unita;   // told by the first block
    char16_t precedente = 0;
    while (righe < massimoRighe && byte.size() < massimoByte) {
        const QByteArray blocco = f.read(std::min(Blocco, massimoByte - byte.size()));
        if (blocco.isEmpty()) return byte; // the end of the file: every line read is whole
        byte.append(blocco);
        if (!unita) unita = UnitaDi(byte);
        const qsizetype passo = Larghezza(*unita);
        // Line ends are units, so that no byte of another character is taken for one.
        for (; esaminati + passo <= byte.size(); esaminati += passo) {
            const char16_t c = UnitaIn(byte, esaminati, *unita);
            const bool secondaMetaCrLf = c == u'\n' && precedente == u'\r';
            precedente = c;
            if (c != u'\r' && c != u'\n') continue;
            fineUltimaRiga = esaminati + passo;
            if (!secondaMetaCrLf && ++righe == massimoRighe) break;
        }
    }
    // A bound reached while the file goes on: what follows the last whole line is left out.
    if (!f.atEnd() || righe == massimoRighe) byte.truncate(fineUltimaRiga);
    return byte;
}

std::optional<QStringList> LeggiRighe(const QString& percorso, qsizetype massimoRighe, qsizetype massimoByte)
{
    const std::optional<QByteArray> byte = LeggiInizio(percorso, massimoRighe, massimoByte);
    if (!byte) return std::nullopt;
    return Righe(Decodifica(*byte));
}

QString CartellaProgramma()
{
    return QCoreApplication::applicationDirPath();
}

QString RadiceImpostazioni()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

QString CartellaDocumenti()
{
    QString c = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (c.isEmpty()) c = QDir::homePath();
    return c;
}

bool ConcludiScrittura(QSaveFile& f)
{
    // The last buffered bytes are written here, so that a disk that fills up now is seen before
    // the new copy takes the old one's place.
    if (!f.flush()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

} // namespace file

struct BloccoIstanza::Dati {
    std::unique_ptr<QLockFile> blocco;
    bool preso = false;
    bool altraCopia = false;
};

BloccoIstanza::BloccoIstanza(const QString& nome) : d_(std::make_unique<Dati>())
{
    QString cartella = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (cartella.isEmpty() || !QDir().mkpath(cartella)) cartella = QDir::tempPath();
    d_->blocco = std::make_unique<QLockFile>(QDir(cartella).filePath(nome + QStringLiteral(".lock")));
    // A lock whose process is gone is stale at once; a live holder's lock never is.
    d_->blocco->setStaleLockTime(0);
    d_->preso = d_->blocco->tryLock(0);
    // Only a lock that someone holds means another copy. A runtime folder that is full or not
    // writable leaves this copy without the guard, and it runs all the same.
    d_->altraCopia = !d_->preso && d_->blocco->error() == QLockFile::LockFailedError;
}

BloccoIstanza::~BloccoIstanza()
{
    if (d_ && d_->preso) d_->blocco->unlock();
}

bool BloccoIstanza::Preso() const
{
    return d_->preso;
}

bool BloccoIstanza::AltraCopia() const
{
    return d_->altraCopia;
}
