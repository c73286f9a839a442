#pragma once
// A window as the program uses it: one object for the whole run, whose controls are created when
// it is loaded and destroyed when it is unloaded. Fields of the derived classes therefore keep
// their values from one opening to the next, while every control starts again from its design.
//
//   Mostra():  if not loaded: create the widget, CreaControlli(), Form_Load(); then show it and,
//              when it was not on screen, run Form_Activate() once.
//   Scarica(): destroy the widget and every control (the object and its fields stay).
//
// Closing a window with its title-bar box unloads it; when no window of the program is loaded
// afterwards, the program ends (GestoreFinestre::FineProgramma). Unloading through Scarica()
// never ends the program, so a window can unload itself and then show another.
#include "colore.h"
#include "gestorefinestre.h"
#include "ridimensionatore.h"

#include <QMainWindow>
#include <QPointer>
#include <QSize>

#include <functional>
#include <vector>

class Finestra;
class VoceMenu;

class Finestra : public QObject {
    Q_OBJECT
public:
    Finestra(GestoreFinestre& gestore, QSize clientProgetto, QObject* parent = nullptr);
    ~Finestra() override;

    bool Caricata() const { return widget_ != nullptr; }
    void Mostra();
    void Scarica();
    // Loads without showing (a window is also loaded when one of its controls is used).
    void Carica();

    QMainWindow* widget() const { return widget_; }
    // The client area the controls sit on.
    QWidget* client() const;

    // Outer size and client size, twips.
    int Width() const;
    int Height() const;
    int ScaleWidth() const;
    int ScaleHeight() const;
    void setDimensioniEsterne(int larghezza, int altezza);
    // Outer width at the design size, twips: the design client width and the frame around it.
    int LarghezzaProgetto() const;
    // Where a control of the client area stands at the design size, twips.
    QRect RettangoloProgetto(const QWidget& controllo) const;

    Colore BackColor() const { return sfondo_; }
    void setBackColor(Colore c);
    void setCaption(const QString& titolo);

    Ridimensionatore EssResizer1;

    // A menu item on the window's menu bar, or inside `sotto` when given.
    VoceMenu* AggiungiMenu(const QString& caption, VoceMenu* sotto = nullptr, bool conSottomenu = false);

protected:
    // The design client size in twips.
    QSize ClientProgetto() const { return clientProgetto_; }

    // Creates the window's controls as designed, on client().
    virtual void CreaControlli() = 0;
    // The first step of an unload, while the controls are still there (a timer switched off).
    virtual void DistruggiControlli() {}

    // Hands over what holds the controls of one load: a struct of pointers, set back to its empty
    // state, or a control array, which forgets its elements, when the window is unloaded. Given
    // once, in the constructor; what is handed over must live as long as the window object.
    template <class... S>
    void ControlliDelCaricamento(S&... controlli)
    {
        (allaScarica_.push_back(Dimentica(controlli)), ...);
    }
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Resize() { EssResizer1.ApplyLayout(); }

private:
    template <class S>
    static std::function<void()> Dimentica(S& s)
    {
        if constexpr (requires { s.Dimentica(); })
            return [&s] { s.Dimentica(); };
        else
            return [&s] { s = S{}; };
    }

    friend class WidgetFinestra;
    std::vector<std::function<void()>> allaScarica_;
    void chiusaDallUtente();
    void ridimensionata();

    GestoreFinestre& gestore_;
    QSize clientProgetto_;
    QPointer<QMainWindow> widget_;
    Colore sfondo_ = 0x00F0F0F0;
    QString titolo_;
    bool inScaricamento_ = false;
    bool caricamentoCompleto_ = false;
};
