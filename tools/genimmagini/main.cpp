// genimmagini SOURCE.svg OUTPUT.png WIDTH HEIGHT
// Renders a picture drawn as SVG to a PNG of the given size, keeping transparency.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

int main(int argc, char** argv)
{
    QGuiApplication applicazione(argc, argv);
    QTextStream errori(stderr);
    const QStringList argomenti = applicazione.arguments();
    if (argomenti.size() != 5) {
        errori << "uso: genimmagini SORGENTE.svg USCITA.png LARGHEZZA ALTEZZA\n";
        return 2;
    }
    bool larghezzaOk = false;
    bool altezzaOk = false;
    const int larghezza = argomenti[3].toInt(&larghezzaOk);
    const int altezza = argomenti[4].toInt(&altezzaOk);
    if (!larghezzaOk || !altezzaOk || larghezza <= 0 || altezza <= 0 || larghezza > 4096 || altezza > 4096) {
        errori << "genimmagini: dimensioni non valide " << argomenti[3] << " x " << argomenti[4] << '\n';
        return 2;
    }
    QSvgRenderer disegno(argomenti[1]);
    if (!disegno.isValid()) {
        errori << "genimmagini: disegno non valido " << argomenti[1] << '\n';
        return 1;
    }
    QImage immagine(larghezza, altezza, QImage::Format_ARGB32_Premultiplied);
    immagine.fill(Qt::transparent);
    {
        QPainter pittore(&immagine);
        pittore.setRenderHint(QPainter::Antialiasing);
        pittore.setRenderHint(QPainter::SmoothPixmapTransform);
        disegno.render(&pittore, QRectF(0, 0, larghezza, altezza));
    }
    if (!immagine.convertToFormat(QImage::Format_ARGB32).save(argomenti[2], "PNG")) {
        errori << "genimmagini: non riesco a scrivere " << argomenti[2] << '\n';
        return 1;
    }
    return 0;
}
