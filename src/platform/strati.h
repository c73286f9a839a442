#pragma once
// The stacking order of the controls on a window's client area, in layers from the bottom up:
//
//   Segni      frames and bars drawn around or under a word or a box: the label's own background
//              hides the inner half of a frame's band, so that no band lies across a letter
//   Parole     the word labels of a sentence
//   Caselle    role boxes and their headings, the rows of a matching exercise, the other controls
//   Pannelli   the pronoun panel and the help button
//   Barra      the status bar
//   Copertura  what covers the whole exercise and takes its keys: the results grid, a panel
//
// A control goes into its layer when it is created, the later one above the earlier ones of its
// layer; a control never put into a layer counts as one of Caselle.
#include <QWidget>

enum class Strato { Segni, Parole, Caselle, Pannelli, Barra, Copertura };

// Puts `w` at the top of layer `s` among its siblings: above every sibling of that layer and of
// the lower ones, under every sibling of the higher ones.
void MettiNelloStrato(QWidget* w, Strato s);

// The layer `w` was put into.
Strato StratoDi(const QWidget* w);

// Orders every child of `area` by layer, keeping the order of the children of one layer.
void OrdinaStrati(QWidget* area);
