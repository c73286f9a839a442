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
#include "ridimensionatore.h"

#include <QMainWindow>
#include <QPointer>
#include <QSize>

#include <functional>
#include <vector>

class Finestra;
class VoceMenu;

// Knows which windows are loaded and what ends the program.
class GestoreFinestre {
public:
    void Registra(Finestra* f);
    void Rimuovi(Finestra* f);
    bool QualcunaCaricata() const;
    std::vector<Finestra*> Caricate() const;

    // Called when the last loaded window was closed by the user (the program ends, unsaved).
    std::function<void()> FineProgramma;

private:
    std::vector<Finestra*> finestre_;
};

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
    // Forgets the controls (they are being destroyed with the widget).
    virtual void DistruggiControlli() {}
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Resize() { EssResizer1.ApplyLayout(); }

private:
    friend class WidgetFinestra;
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
