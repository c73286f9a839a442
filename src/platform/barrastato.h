#pragma once
// A status bar along the bottom edge of a window's client area, as wide as the client area, with
// panels addressed by position from 1. Each panel has a text, a picture, a width and a minimum
// width in twips, and a visibility; hidden panels take no room. A click on a shown panel raises
// PanelClick with the panel's position.
//
// Height, font and panel widths are given at the window's design size; the window's re-layout
// scales them with the rest of its controls. A panel gets its width (at least its minimum) while
// the bar has room; on a bar too narrow for all of them, each shown panel gives up part of what it
// has beyond what its picture and text need, in proportion, so that every panel still reads whole.
// On a bar too narrow for that, the pictures shrink, and the texts are cut only where the bar
// cannot hold them either: the shown panels always share the bar from end to end, each one on it.
#include "colore.h"

#include <QPixmap>
#include <QWidget>

#include <vector>

class BarraStato : public QWidget {
    Q_OBJECT
public:
    struct Pannello {
        QString Text;
        QPixmap Picture;
        int Width = 1440;    // twips
        int MinWidth = 1440; // twips
        bool Visible = true;
    };

    explicit BarraStato(QWidget* parent = nullptr);

    // Adds a panel at the end and returns its position (1-based).
    int AggiungiPannello(const Pannello& p);
    int NumeroPannelli() const { return static_cast<int>(pannelli_.size()); }

    QString Text(int pannello) const;
    void setText(int pannello, const QString& testo);
    bool PannelloVisibile(int pannello) const;
    void setPannelloVisibile(int pannello, bool si);
    const Pannello& Panel(int pannello) const;

    // Height in twips at the design size; the bar stays docked at the bottom of its parent.
    int Height() const;
    void setHeight(int tw);
    // The font at the design size.
    void setCarattere(const QString& famiglia, double punti, bool grassetto);

    // The scale of the window's layout (present client size over design size), 1 at first.
    void setScala(double sx, double sy);

    // The panel at a point of the bar (widget coordinates), 0 when none.
    int PannelloA(const QPoint& punto) const;
    // The rectangle a panel occupies (widget coordinates); empty when hidden.
    QRect RettangoloPannello(int pannello) const;
    // Where a shown panel draws its picture (empty without one) and its text.
    QRect RettangoloImmagine(int pannello) const;
    QRect RettangoloTesto(int pannello) const;

    // Re-docks the bar at the bottom of its parent, full width.
    void Aggancia();

signals:
    void PanelClick(int pannello);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    Pannello& rif(int pannello);
    // The room a panel's picture and text need, pixels; the width of its text alone.
    int larghezzaNecessaria(const Pannello& p) const;
    int larghezzaTesto(const Pannello& p) const;
    Pannello fuoriCampo_;
    std::vector<Pannello> pannelli_;
    int altezza_ = 495;
    QFont carattere_;
    double sx_ = 1.0, sy_ = 1.0;
};
