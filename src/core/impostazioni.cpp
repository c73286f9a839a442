#include "impostazioni.h"

#include "platform/servizi.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <QStringList>

#include <cmath>
#include <limits>

namespace {

const QString NomeRadice = QStringLiteral("ImpostazioniProgrammiVelmora");
const QString NomeSottocartella = QStringLiteral("frasolino");
const QString NomeFile = QStringLiteral("frasolino-1.INI");
const QString NomeLeggimi = QStringLiteral("leggimi.txt");
const QByteArray FineRiga = QByteArrayLiteral("\r\n");

// Writes the whole file or nothing; a disk that fills up on the way leaves the old file. Only a
// regular file is replaced (through a link, the file it leads to): a device, a FIFO or a folder
// where the file should be is left as it is, and the write fails.
bool ScriviFile(const QString& percorso, const QByteArray& byte)
{
    const QFileInfo presente(percorso);
    if (presente.exists() && !presente.isFile()) return false;
    QSaveFile f(percorso);
    if (!f.open(QIODevice::WriteOnly)) return false;
    if (f.write(byte) != byte.size()) return false; // the unfinished copy is thrown away
    return file::ConcludiScrittura(f);
}

// A field as the reader sees it: leading blanks skipped, ended by the line's end or a comma.
QString Campo(const QString& riga)
{
    qsizetype i = 0;
    while (i < riga.size() && (riga[i] == u' ' || riga[i] == u'\t')) ++i;
    const qsizetype virgola = riga.indexOf(u',', i);
    return riga.mid(i, virgola < 0 ? -1 : virgola - i);
}

bool LeggiBooleano(const QString& campo)
{
    return campo.startsWith(u'T');
}

// A whole number in 16 bits: an optional sign and decimal digits, blanks around it allowed.
std::optional<std::int16_t> LeggiIntero(const QString& campo)
{
    const QString t = campo.trimmed();
    qsizetype i = 0;
    bool negativo = false;
    if (i < t.size() && (t[i] == u'+' || t[i] == u'-')) {
        negativo = t[i] == u'-';
        ++i;
    }
    if (i >= t.size()) return std::nullopt;
    long long valore = 0;
    for (; i < t.size(); ++i) {
        if (t[i] < u'0' || t[i] > u'9') return std::nullopt;
        valore = valore * 10 + (t[i].unicode() - u'0');
        if (valore > 100000) return std::nullopt;
    }
    if (negativo) valore = -valore;
    if (valore < std::numeric_limits<std::int16_t>::min() || valore > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(valore);
}

// A finite decimal number with '.' as the separator, blanks around it allowed.
std::optional<double> LeggiReale(const QString& campo)
{
    const QString t = campo.trimmed();
    if (t.isEmpty()) return std::nullopt;
    for (const QChar c : t)
        if (!(c.isDigit() || c == u'.' || c == u'+' || c == u'-' || c == u'e' || c == u'E')) return std::nullopt;
    bool ok = false;
    const double v = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(v)) return std::nullopt;
    return v;
}

} // namespace

QString CartellaRadiceImpostazioni(const Programma& p)
{
    QString radice = p.RadiceImpostazioni();
    while (radice.endsWith(u'/')) radice.chop(1);
    return radice + u'/' + NomeRadice + u'/';
}

QString CartellaImpostazioni(const Programma& p)
{
    return CartellaRadiceImpostazioni(p) + NomeSottocartella + u'/';
}

QString FileImpostazioni(const Programma& p)
{
    return CartellaImpostazioni(p) + NomeFile;
}

QString FileLeggimi(const Programma& p)
{
    return CartellaRadiceImpostazioni(p) + NomeLeggimi;
}

void ImpostazioniPredefinite(Programma& p)
{
    p.impostazioni = Impostazioni{};
}

QString NumeroScritto(double valore)
{
    if (!std::isfinite(valore)) valore = 0;
    const QString segno = valore < 0 ? QStringLiteral("-") : QStringLiteral(" ");
    const double assoluto = std::fabs(valore);
    QString cifre;
    if (assoluto == std::floor(assoluto) && assoluto < 1e15)
        cifre = QString::number(static_cast<qint64>(assoluto));
    else
        cifre = QString::number(assoluto, 'g', QLocale::FloatingPointShortest);
    return segno + cifre + u' ';
}

QByteArray TestoImpostazioni(const Impostazioni& v)
{
    const QStringList righe = {
        v.SuoniAttivati ? QStringLiteral("True") : QStringLiteral("False"),
        v.CursoreDiSistema ? QStringLiteral("True") : QStringLiteral("False"),
        NumeroScritto(v.ModalitaInput),
        NumeroScritto(v.VelocitaScansione),
        NumeroScritto(v.ColoreScansione),
    };
    QByteArray b;
    for (const QString& r : righe) b += file::CodificaAnsi(r) + FineRiga;
    return b;
}

std::optional<Impostazioni> InterpretaImpostazioni(const QByteArray& byte)
{
    const QStringList righe = file::Righe(file::Decodifica(byte));
    if (righe.size() < 5) return std::nullopt;
    Impostazioni v;
    v.SuoniAttivati = LeggiBooleano(Campo(righe[0]));
    v.CursoreDiSistema = LeggiBooleano(Campo(righe[1]));
    const auto modo = LeggiIntero(Campo(righe[2]));
    const auto velocita = LeggiIntero(Campo(righe[3]));
    const auto colore = LeggiReale(Campo(righe[4]));
    if (!modo || !velocita || !colore) return std::nullopt;
    // Only values the configuration can produce are taken; anything else means a damaged file.
    if (*modo < ModoMouse || *modo > ModoFrecce) return std::nullopt;
    if (*velocita < 4 || *velocita > 60) return std::nullopt;
    if (*colore < 0 || *colore > 0xFFFFFF) return std::nullopt;
    v.ModalitaInput = *modo;
    v.VelocitaScansione = *velocita;
    v.ColoreScansione = *colore;
    return v;
}

QByteArray TestoLeggimi()
{
    const QStringList righe = {
        QStringLiteral("Questa cartella contiene i files di impostazione dei programmi presenti nel sito ") +
            IndirizzoSito + u'.',
        QStringLiteral(" "),
        QStringLiteral("Se qualche programma presenta problemi di funzionamento può essere utile cancellare il "
                       "file *.ini relativo al programma in quata cartella."),
        QStringLiteral(" "),
        QStringLiteral("Non cancellare questo file."),
    };
    QByteArray b;
    for (const QString& r : righe) b += file::CodificaAnsi(r) + FineRiga;
    return b;
}

void LeggiImpostazioni(Programma& p)
{
    const QString percorso = FileImpostazioni(p);
    if (!EsisteFile(percorso)) {
        ImpostazioniPredefinite(p);
        return;
    }
    // Five short lines are all the file holds; a file grown larger is not read past them.
    const std::optional<QByteArray> byte = file::LeggiInizio(percorso, 5, 4096);
    if (!byte) {
        ImpostazioniPredefinite(p);
        return;
    }
    const auto letti = InterpretaImpostazioni(*byte);
    if (letti)
        p.impostazioni = *letti;
    else
        ImpostazioniPredefinite(p);
}

bool SalvaImpostazioni(Programma& p, QWidget* owner)
{
    // A settings folder removed while the program ran is made again.
    if (!EsisteCartella(CartellaImpostazioni(p))) CreaCartelleImpostazioni(p);
    const QString percorso = FileImpostazioni(p);
    if (ScriviFile(percorso, TestoImpostazioni(p.impostazioni))) return true;
    p.servizi().MsgBox(owner,
                       QStringLiteral("Impossibile salvare le impostazioni nel file ") +
                           QDir::toNativeSeparators(percorso) + QStringLiteral("."),
                       msg::Exclamation, TitoloProgramma);
    return false;
}

void CreaCartelleImpostazioni(Programma& p)
{
    if (!EsisteCartella(CartellaRadiceImpostazioni(p))) CreaCartella(p, CartellaRadiceImpostazioni(p));
    if (!EsisteCartella(CartellaImpostazioni(p))) CreaCartella(p, CartellaImpostazioni(p));
}

bool CreaCartella(Programma& p, const QString& percorso)
{
    // The parents are made too: on a fresh account even the settings root may be missing.
    if (!QDir().mkpath(percorso)) return false;
    return ScriviFile(FileLeggimi(p), TestoLeggimi());
}
