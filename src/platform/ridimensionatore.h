#pragma once
// Keeps a window's controls in proportion with its client area. RecordLayout notes the client
// size and every control's geometry and font as they are now; ApplyLayout moves and resizes each
// recorded control (and scales its font) in the ratio of the present client size to the recorded
// one. Controls created after RecordLayout (a sentence's word labels) follow from the next layout
// on, from the place and font the window gave them; a control that the window moves or gives
// another font keeps that place and font at the present size and is scaled from there on. A status
// bar stays docked along the bottom edge and is told the scale, for its height, font and panels.
// Below a quarter of the recorded size in either direction, where nothing can be read any more (a
// window shrunk to its menu bar), the controls keep the layout they had.
#include <QFont>
#include <QPointer>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QWidget>

#include <vector>

// A font with its size (in points or in pixels, as it is given) times the scale, never below 1.
QFont CarattereInScala(QFont f, double scala);

class Ridimensionatore {
public:
    void RecordLayout(QWidget* client);
    void ApplyLayout();

    // The scale in use (present client size over recorded size), 1 before any record.
    double ScalaX() const;
    double ScalaY() const;
    // A rectangle of the layout last applied (pixels) taken back to the recorded client size.
    QRectF AllaRegistrazione(const QRect& r) const;

private:
    // A control's layout at the recorded client size. When the program moves a control or changes
    // its font after the record, the new state becomes the control's base at the present scale.
    struct Voce {
        QPointer<QWidget> w;
        QRectF geometria;   // at the recorded client size
        QFont font;         // at the recorded client size
        QRect applicata;    // the geometry last set or seen
        QFont fontApplicato;
    };
    QPointer<QWidget> client_;
    QSize dimensioni_;
    std::vector<Voce> voci_;
    double sxApplicata_ = 1.0, syApplicata_ = 1.0;
};
