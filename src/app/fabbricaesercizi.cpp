// The exercise windows by name: the recognition windows with their exercise, the others with the
// frame around an exercise still to come.
#include "app/fabbricaesercizi.h"

#include "exercises/pairs/finestracoppie.h"
#include "exercises/sentences/finestrariconosci.h"
#include "frame/finestrafrasi.h"

namespace {

QString Titolo(const QString& nome)
{
    static const QMap<QString, QString> titoli = {
        {"Form1", "soggetto - predicato"},   {"Form3", "abbina soggetto / predicato"},
        {"Form2", "riconosci il predicato"}, {"Form4", "riconosci il soggetto"},
        {"Form15", "soggetto sottinteso"},   {"Form5", "complemento oggetto"},
        {"Form7", "complementi"},            {"Form11", "complementi"},
        {"Form14", "complementi"},
    };
    QString base = nome;
    if (base.endsWith(u's')) base.chop(1);
    return TitoloProgramma + QStringLiteral(" - ") + titoli.value(base);
}

} // namespace

std::unique_ptr<Finestra> CreaFinestraEsercizio(Programma& p, const QString& nome)
{
    const ProgettoFinestra* progetto = Progetto(nome);
    if (!progetto) return nullptr;
    std::unique_ptr<FinestraEsercizio> f;
    if (nome == QLatin1String("Form2"))
        f = std::make_unique<Form2>(p, *progetto);
    else if (nome == QLatin1String("Form4"))
        f = std::make_unique<Form4>(p, *progetto);
    else if (progetto->lista == ListaIniziale::Coppie)
        f = std::make_unique<FinestraCoppie>(p, *progetto);
    else
        f = std::make_unique<FinestraFrasi>(p, *progetto);
    f->setCaption(Titolo(nome));
    return f;
}
