#include "frame/stampagriglia.h"

namespace {
constexpr double Rientro = 60;   // from a rule or edge to the text, and above and below a text line
constexpr double Spaziatura = 120; // added to every column's width
} // namespace

QString TagliaTesto(const Stampante& stampante, const QString& testo, double larghezza)
{
    QString t = testo;
    while (!t.isEmpty() && stampante.TextWidth(t) > larghezza) t.chop(1);
    return t;
}

void StampaGriglia(Stampante& stampante, const ModelloGriglia& griglia, double left, double top)
{
    const QFont font = griglia.Font();
    stampante.setFontName(font.family());
    stampante.setFontSize(font.pointSizeF());

    const int righe = griglia.Rows();
    const int colonne = griglia.Cols();

    double destra = left + Rientro;
    for (int k = 0; k < colonne; ++k) destra += griglia.ColWidth(k) + Spaziatura;

    stampante.setCurrentY(top);
    for (int r = 0; r < righe; ++r) {
        if (r > 0) stampante.Line(left, stampante.CurrentY(), destra, stampante.CurrentY());
        stampante.setCurrentY(stampante.CurrentY() + Rientro);
        double x = left + Rientro;
        for (int k = 0; k < colonne; ++k) {
            stampante.setCurrentX(x);
            stampante.Stampa(TagliaTesto(stampante, griglia.TextMatrix(r, k), griglia.ColWidth(k)));
            x += griglia.ColWidth(k) + Spaziatura;
        }
        stampante.setCurrentY(stampante.CurrentY() + Rientro);
        stampante.FineRiga();
    }
    const double fondo = stampante.CurrentY();
    stampante.Box(left, top, destra, fondo);

    double x = left;
    for (int k = 0; k < colonne - 1; ++k) {
        x += griglia.ColWidth(k) + Spaziatura;
        stampante.Line(x, top, x, fondo);
    }
}
