#include "exercises/sentences/pannellopronomi.h"

#include "platform/strati.h"

namespace {

// Pronoun buttons: row, column, width.
struct PostoBottone {
    int riga;
    int colonna;
    int larghezza;
};
constexpr std::array<PostoBottone, 6> PostiBottoni = {{
    {0, 0, 1215}, {0, 1, 1215}, {0, 2, 4815}, {1, 0, 1215}, {1, 1, 1215}, {1, 2, 4815},
}};
constexpr int AltezzaBottone = 375;

} // namespace

void PannelloPronomi::Crea(QWidget* area, const ProgettoPronomi& p, const std::optional<QCursor>& puntatore)
{
    Frame1 = new Cornice(area);
    Frame1->setCaption(p.titolo);
    Frame1->setBackColor(p.sfondo);
    Frame1->setCarattere(QStringLiteral("Verdana"), 14.25);
    Frame1->Move(p.left, p.top, p.width, p.height);
    MettiNelloStrato(Frame1, Strato::Pannelli);
    const std::array<QString, 6> captions = {QStringLiteral("io"),  QStringLiteral("tu"),  p.caption2,
                                             QStringLiteral("noi"), QStringLiteral("voi"), QStringLiteral("essi - esse - loro")};
    for (int i = 0; i < 6; ++i) {
        auto* b = new Bottone(Frame1);
        b->setCaption(captions[i]);
        b->setCarattere(QStringLiteral("Verdana"), 14.25, p.grassetto);
        b->setBackColor(ColoreBottone);
        const PostoBottone& posto = PostiBottoni[i];
        b->Move(p.colonne[posto.colonna], p.righe[posto.riga], posto.larghezza, AltezzaBottone);
        b->setPuntatore(puntatore);
        b->show();
        Command1.Progetta(i, b);
    }
    Frame1->setVisible(p.visibile);
}

void PannelloPronomi::Azzera()
{
    for (Bottone& b : Command1) {
        b.setBackColor(ColoreBottone);
        b.setEnabled(true);
    }
}

void PannelloPronomi::Abilita(bool si)
{
    for (Bottone& b : Command1) b.setEnabled(si);
}

void PannelloPronomi::setPuntatore(const std::optional<QCursor>& puntatore)
{
    for (Bottone& b : Command1) b.setPuntatore(puntatore);
}

const std::array<QStringList, 6>& PannelloPronomi::PronomiPersona()
{
    static const std::array<QStringList, 6> gruppi = {
        QStringList{QStringLiteral("io")},
        QStringList{QStringLiteral("tu")},
        QStringList{QStringLiteral("egli"), QStringLiteral("esso"), QStringLiteral("lui"), QStringLiteral("ella"),
                    QStringLiteral("essa"), QStringLiteral("lei")},
        QStringList{QStringLiteral("noi")},
        QStringList{QStringLiteral("voi")},
        QStringList{QStringLiteral("essi"), QStringLiteral("esse"), QStringLiteral("loro")},
    };
    return gruppi;
}

bool PannelloPronomi::PronomeDellaPersona(const QString& sottinteso, int persona)
{
    if (persona < 1 || persona > 6) return false;
    return PronomiPersona()[persona - 1].contains(sottinteso.toLower());
}

bool PannelloPronomi::Nominato(const QString& sottinteso)
{
    for (int persona = 1; persona <= 6; ++persona)
        if (PronomeDellaPersona(sottinteso, persona)) return true;
    return false;
}
