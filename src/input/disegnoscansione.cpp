#include "disegnoscansione.h"

QRect BarraSotto(const QRect& parola, int larghezzaSpazio, int altezzaBarra)
{
    const int distacco = parola.height() / 7;
    return QRect(parola.left(), parola.top() + parola.height() + distacco, parola.width() - larghezzaSpazio,
                 altezzaBarra);
}

QRect CorniceIntorno(const QRect& etichetta, int bordo)
{
    return QRect(etichetta.left() - bordo, etichetta.top() - bordo, etichetta.width() + 2 * bordo,
                 etichetta.height() + 2 * bordo);
}
