#include "immagini.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace {

QPixmap Carica(const Programma& p, const QString& nome, QSize attesa)
{
    QPixmap img;
    if (!img.load(p.PercorsoDati(QStringLiteral("immagini/") + nome))) return {};
    if (attesa.isValid() && img.size() != attesa)
        img = img.scaled(attesa, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return img;
}

QPolygonF Freccia()
{
    // Tip at (3, 1), the hot spot.
    return QPolygonF({{3, 1}, {3, 26}, {9, 20.5}, {14, 30}, {19, 27.5}, {14.5, 18.5}, {22, 18.5}});
}

} // namespace

QPixmap DisegnoCursore(bool conSpunta)
{
    QPixmap pm(CursoreLato, CursoreLato);
    pm.fill(Qt::transparent);
    QPainter g(&pm);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(Qt::black, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QLinearGradient sfumatura(0, 0, 20, 30);
    sfumatura.setColorAt(0, QColor(255, 235, 60));
    sfumatura.setColorAt(1, QColor(255, 140, 0));
    g.setBrush(sfumatura);
    g.drawPolygon(Freccia());
    if (conSpunta) {
        QPainterPath spunta;
        spunta.moveTo(18, 8);
        spunta.lineTo(22, 12);
        spunta.lineTo(30, 2);
        g.setPen(QPen(Qt::black, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        g.setBrush(Qt::NoBrush);
        g.drawPath(spunta);
        g.setPen(QPen(QColor(0, 170, 0), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        g.drawPath(spunta);
    }
    return pm;
}

QPixmap DisegnoAvvio()
{
    QPixmap pm(201, 197);
    pm.fill(QColor(255, 255, 224));
    QPainter g(&pm);
    g.setRenderHint(QPainter::Antialiasing);
    // An open book with a pencil.
    g.setPen(QPen(QColor(0, 0, 128), 3));
    g.setBrush(Qt::white);
    g.drawPolygon(QPolygonF({{100, 60}, {20, 40}, {20, 160}, {100, 180}}));
    g.drawPolygon(QPolygonF({{100, 60}, {180, 40}, {180, 160}, {100, 180}}));
    g.setPen(QPen(QColor(0, 128, 0), 2));
    for (int r = 0; r < 6; ++r) {
        g.drawLine(QPointF(32, 62 + 16 * r), QPointF(90, 76 + 16 * r));
        g.drawLine(QPointF(110, 76 + 16 * r), QPointF(168, 62 + 16 * r));
    }
    g.setPen(QPen(Qt::black, 1.5));
    g.setBrush(QColor(255, 200, 0));
    g.drawPolygon(QPolygonF({{150, 10}, {165, 18}, {120, 100}, {105, 92}}));
    g.setBrush(QColor(240, 200, 150));
    g.drawPolygon(QPolygonF({{105, 92}, {120, 100}, {104, 112}}));
    return pm;
}

QCursor CursorePersonale(const Programma& p)
{
    QPixmap img = Carica(p, QStringLiteral("cursore.png"), QSize(CursoreLato, CursoreLato));
    if (img.isNull()) img = DisegnoCursore(false);
    return QCursor(img, CursorePunta.x(), CursorePunta.y());
}

QCursor CursoreAvvio(const Programma& p)
{
    QPixmap img = Carica(p, QStringLiteral("cursore_avvio.png"), QSize(CursoreLato, CursoreLato));
    if (img.isNull()) img = DisegnoCursore(false);
    return QCursor(img, CursorePunta.x(), CursorePunta.y());
}

QCursor CursoreSpunta(const Programma& p)
{
    QPixmap img = Carica(p, QStringLiteral("cursore_spunta.png"), QSize(CursoreLato, CursoreLato));
    if (img.isNull()) img = DisegnoCursore(true);
    return QCursor(img, CursorePunta.x(), CursorePunta.y());
}

QPixmap ImmagineAvvio(const Programma& p)
{
    QPixmap img = Carica(p, QStringLiteral("avvio.png"), QSize());
    if (img.isNull()) img = DisegnoAvvio();
    return img;
}

QIcon IconaProgramma(const Programma& p)
{
    QPixmap img = Carica(p, QStringLiteral("frasolino.png"), QSize());
    if (img.isNull()) img = DisegnoAvvio();
    return QIcon(img);
}
