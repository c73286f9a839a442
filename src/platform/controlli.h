#pragma once
// The control kinds the windows are built from. Every control speaks twips for its position and
// size and 0x00BBGGRR for its colours, so that window code reads like its design: Left(), Top(),
// Width(), Height(), Caption(), Tag(), BackColor().
//
// Controls are plain Qt widgets placed by absolute geometry on a window's client area (no layouts):
// the window's Ridimensionatore keeps them in proportion when the window is resized.
#include "colore.h"

#include <QCheckBox>
#include <QCursor>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QWidget>

#include <optional>

class QMimeData;

// Geometry in twips, shared by every control kind.
template <class Base>
class ControlloTwips : public Base {
public:
    using Base::Base;

    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void setLeft(int tw);
    void setTop(int tw);
    void setWidth(int tw);
    void setHeight(int tw);
    void Move(int left, int top);
    void Move(int left, int top, int width, int height);

    bool Visible() const { return !this->isHidden(); }
    bool Enabled() const { return this->isEnabled(); }

    // The pointer shown over the control: the program's own cursor, or the system default.
    void setPuntatore(const std::optional<QCursor>& cursore);
    bool HaPuntatorePersonale() const { return puntatore_.has_value(); }
    const std::optional<QCursor>& Puntatore() const { return puntatore_; }

    // Font by face, size in points, weight and slant.
    void setCarattere(const QString& famiglia, double punti, bool grassetto = false, bool corsivo = false);

    // The control's rectangle in pixels of its parent, which the twips geometry reads and writes:
    // the widget's geometry, unless the control draws beyond its rectangle.
    virtual QRect Rettangolo() const { return this->geometry(); }
    virtual void setRettangolo(const QRect& r) { this->setGeometry(r); }

protected:
    std::optional<QCursor> puntatore_;
};

// A label: caption, tag, colours, optional automatic size, optional automatic drag. Every label is
// also a drop target: a label dropped on it is reported by DragDrop naming the dragged label.
class Etichetta : public ControlloTwips<QLabel> {
    Q_OBJECT
public:
    explicit Etichetta(QWidget* parent = nullptr);

    QString Caption() const;
    void setCaption(const QString& testo);
    QString Tag() const { return tag_; }
    void setTag(const QString& tag) { tag_ = tag; }
    Colore BackColor() const { return sfondo_; }
    void setBackColor(Colore c);
    Colore ForeColor() const { return testo_; }
    void setForeColor(Colore c);
    bool BackStyleOpaco() const { return opaco_; }
    void setBackStyleOpaco(bool opaco);
    bool AutoSize() const { return autoSize_; }
    void setAutoSize(bool si);
    bool WordWrap() const { return wordWrap(); }
    // The size auto size gives this label (without word wrap) for the caption `testo` in the font
    // `carattere`, pixels: the caption's width, trailing blanks included, and the font's height.
    QSize DimensioniAutomatiche(const QString& testo, const QFont& carattere) const;
    void setBordo(bool fisso);
    bool Bordo() const { return bordo_; }
    // Caption alignment: 0 left, 1 right, 2 centre.
    void setAllineamento(int a);
    int Allineamento() const { return allineamento_; }

    // A disabled label keeps its text colour (a finished sentence stays easy to read), unless it
    // is asked to show its text greyed, as a word already tried or a subject already matched does:
    // in a grey that keeps 4.5:1 on the label's back colour.
    bool GrigiaSeDisabilitata() const { return grigia_; }
    void setGrigiaSeDisabilitata(bool si);

    bool TrascinamentoAutomatico() const { return trascina_; }
    void setTrascinamentoAutomatico(bool si) { trascina_ = si; }

    // A hidden copy of this label in its present state (caption, geometry, colours, font, enabled
    // state, pointer, drag behaviour, tag, auto size, alignment, border), on the same parent and
    // at the top of this label's layer of the stacking order.
    Etichetta* Clona() const;

    // What a drag of this label carries (the caller owns it): a drop target finds the label by it.
    QMimeData* DatiTrascinamento() const;

    // The drop logic, callable without a real drag: what a drop of `origine` on this label does.
    void Rilascia(Etichetta* origine) { emit DragDrop(origine); }

signals:
    void Click();
    void MouseMove();
    void DragDrop(Etichetta* origine);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dropEvent(QDropEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void aggiornaStile();
    void adattaDimensioni();

    QString tag_;
    Colore sfondo_ = 0x00FFFFFF;
    Colore testo_ = 0x00000000;
    bool opaco_ = true;
    bool autoSize_ = false;
    bool bordo_ = false;
    int allineamento_ = 0;
    bool trascina_ = false;
    bool grigia_ = false;
    bool premuto_ = false;
};

// A graphical command button: its face takes BackColor.
class Bottone : public ControlloTwips<QPushButton> {
    Q_OBJECT
public:
    explicit Bottone(QWidget* parent = nullptr);

    QString Caption() const { return text(); }
    void setCaption(const QString& testo) { setText(testo); }
    // A caption too long for one line wraps inside the button, as on a graphical button.
    void setText(const QString& testo);
    Colore BackColor() const { return sfondo_; }
    void setBackColor(Colore c);
    QString Tag() const { return tag_; }
    void setTag(const QString& tag) { tag_ = tag; }

    // A hidden copy in the present state, on the same parent and in this button's layer.
    Bottone* Clona() const;

signals:
    void Click();

protected:
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;
    // Enter presses the button that has the focus, as Space does (a held key is one press: its
    // repeats never reach a button).
    void keyPressEvent(QKeyEvent* e) override;

private:
    Colore sfondo_ = 0x00E0E0E0;
    QString tag_;
    QLabel* testo_ = nullptr; // draws the caption, wrapped
};

// A check box; Value is 0 or 1. Setting Value raises Click when the value changes, as a user
// click does.
class CasellaSpunta : public ControlloTwips<QCheckBox> {
    Q_OBJECT
public:
    explicit CasellaSpunta(QWidget* parent = nullptr);

    QString Caption() const { return text(); }
    void setCaption(const QString& testo) { setText(testo); }
    int Value() const { return isChecked() ? 1 : 0; }
    void setValue(int v);
    Colore BackColor() const { return sfondo_; }
    void setBackColor(Colore c);

signals:
    void Click();
    void MouseMove();

protected:
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    Colore sfondo_ = 0x00FFFFFF;
    bool inModifica_ = false;
};

// An option button; selecting it (by the user or by setValue(true)) raises Click.
class Opzione : public ControlloTwips<QRadioButton> {
    Q_OBJECT
public:
    explicit Opzione(QWidget* parent = nullptr);

    QString Caption() const { return text(); }
    void setCaption(const QString& testo) { setText(testo); }
    bool Value() const { return isChecked(); }
    void setValue(bool v);

signals:
    void Click();
};

// A frame grouping other controls; children are placed in twips relative to the frame.
class Cornice : public ControlloTwips<QGroupBox> {
    Q_OBJECT
public:
    explicit Cornice(QWidget* parent = nullptr);
    QString Caption() const { return title(); }
    void setCaption(const QString& testo) { setTitle(testo); }
    Colore BackColor() const { return sfondo_; }
    void setBackColor(Colore c);

private:
    Colore sfondo_ = 0x00FFFFFF;
};

// A horizontal scroll bar: Min, Max, Value, SmallChange (arrows), LargeChange (track). Change is
// raised whenever Value changes, by the user or by the program.
class BarraOrizzontale : public ControlloTwips<QScrollBar> {
    Q_OBJECT
public:
    explicit BarraOrizzontale(QWidget* parent = nullptr);
    int Min() const { return minimum(); }
    int Max() const { return maximum(); }
    int Value() const { return value(); }
    void setMin(int v) { setMinimum(v); }
    void setMax(int v) { setMaximum(v); }
    void setValue(int v) { QScrollBar::setValue(v); }
    void setSmallChange(int v) { setSingleStep(v); }
    void setLargeChange(int v) { setPageStep(v); }

signals:
    void Change();
};

// A picture, stretched to the control's size.
class Immagine : public ControlloTwips<QLabel> {
    Q_OBJECT
public:
    explicit Immagine(QWidget* parent = nullptr);
    void setPicture(const QPixmap& p);
};

// An outline rectangle: no fill, BorderWidth in pixels, transparent to the mouse. The outline is
// centred on the rectangle's edges, so half of it lies outside: the widget reaches that far beyond
// the rectangle, while Left, Top, Width, Height (and Rettangolo, for the re-layout) are the
// rectangle's own. A shape one pixel high shows as a bar as thick as its outline.
class Forma : public ControlloTwips<QWidget> {
    Q_OBJECT
public:
    explicit Forma(QWidget* parent = nullptr);
    Colore BorderColor() const { return colore_; }
    void setBorderColor(Colore c);
    int BorderWidth() const { return spessore_; }
    void setBorderWidth(int pixel);

    // The rectangle without the outline's outer half.
    QRect Rettangolo() const override;
    void setRettangolo(const QRect& r) override;

    using ControlloTwips<QWidget>::Move;
    // The edges are rounded to pixels, not the size.
    void Move(int left, int top, int width, int height);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    Colore colore_ = 0;
    int spessore_ = 1;
};

// Key codes the windows react to.
namespace tasti {
constexpr int Invio = 13;
constexpr int Spazio = 32;
constexpr int Sinistra = 37;
constexpr int Su = 38;
constexpr int Destra = 39;
constexpr int Giu = 40;
} // namespace tasti

// A small box that takes the keyboard focus and reports the keys: KeyDown and KeyUp with a key
// code (13 Enter, 32 Space, 37-40 arrows, 65-90 letters, 48-57 digits, 27 Escape, 9 Tab, 8
// Backspace; other keys are reported with code 0) and the shift state (1 Shift, 2 Ctrl, 4 Alt),
// KeyPress with the character code of keys that type a character. A held key repeats as the
// keyboard repeats it: every repeat is a KeyDown (and a KeyPress for a character key), marked as a
// repeat, and the key gives one KeyUp, at its real release, however the platform repeats it. The
// program's record of the keys that are down (RegistroTasti) tells a repeat from a new press and
// where a released key went down.
class CasellaFuoco : public ControlloTwips<QWidget> {
    Q_OBJECT
public:
    explicit CasellaFuoco(QWidget* parent = nullptr);

    // Takes the focus, unless the window's menu is in use from the keyboard (its bar has the
    // focus or one of its menus is open): a scan tick must not pull the keyboard out of a menu.
    void SetFocus();
    // True while the KeyDown or KeyPress being reported repeats a key already down (a step may
    // repeat; a selection must not).
    bool Ripetuto() const { return ripetuto_; }
    // True while the KeyUp being reported is the release of a key that went down on this holder,
    // not in another window or holder (a release that acts must follow a press made here).
    bool PremutoQui() const { return premutoQui_; }
    bool HaFuoco() const { return hasFocus(); }

    static int CodiceTasto(int tastoQt);

signals:
    void KeyDown(int codice, int maiuscole);
    void KeyUp(int codice, int maiuscole);
    void KeyPress(int carattere);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    bool focusNextPrevChild(bool) override { return false; }
    bool event(QEvent* e) override;

private:
    bool ripetuto_ = false;
    bool premutoQui_ = false;
};
