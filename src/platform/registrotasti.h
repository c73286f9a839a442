#pragma once
// The keys that are down, for the whole program: one record, created by the program at start-up as
// a child of the application and installed on it, so that every key event passes here before it
// reaches its widget, wherever the focus is. Every widget, the scanning driver and every panel ask
// it whether a press repeats a key already down and where a released key went down.
//
// - A press of a key already down is a repeat, whatever the toolkit's auto-repeat flag says (with
//   detectable auto-repeat the display server sends a held key's presses without releases, and the
//   flag stays false).
// - A repeat activates nothing: the focus holders get it marked as a repeat (their steps may repeat,
//   their selections do not); any other receiver (a button, a message box or dialog, a panel, a
//   menu) never sees the repeat of a key that activates (Enter, Space, Escape, Select).
// - A release reaches a widget only for a key the record holds down; the release half of the
//   platform's repeat pairs reaches none.
// - Each key is its own press and release: two keys held overlapping are two presses.
// - A release that reached no window of the program (another program had the keys, a window closed,
//   a drag held them) never leaves a key down: whenever that may have happened (the focus moves
//   between windows or programs, a drag ends) the record keeps only the keys the display server
//   still holds down, or, where no server can tell, none.
#include <QHash>
#include <QObject>
#include <QPointer>

#include <bitset>
#include <functional>
#include <optional>

class QApplication;
class QKeyEvent;
class QWidget;

class RegistroTasti : public QObject {
    Q_OBJECT
public:
    // The keys the display server holds down, by key code; nothing where no server can tell.
    using StatoServer = std::function<std::optional<std::bitset<256>>()>;

    // Installed on `applicazione` as its child. On an X11 display it also asks the server for
    // detectable auto-repeat, so that no release arrives before the real one however late the
    // program reads its events.
    explicit RegistroTasti(QApplication& applicazione, StatoServer server = {});
    ~RegistroTasti() override;

    // The record installed on this application, if any.
    static RegistroTasti* Installato();

    // For the key press being delivered: it repeats a key already down (the toolkit's own flag for
    // an event that did not pass the record).
    bool Ripetuto(const QKeyEvent& e) const;
    // For the key release being delivered to `w`: its key went down on `w`, not as a repeat.
    bool PremutoSu(const QKeyEvent& e, const QWidget* w) const;

    // A release may have been missed: only the keys the server still holds down stay down; where no
    // server can tell, none.
    void Verifica();
    // Every key up: for a fresh start (a test case).
    void Azzera();

protected:
    bool eventFilter(QObject* destinatario, QEvent* e) override;

private:
    void fuocoCambiato();

    StatoServer server_;
    // Each key down, with the widget its first press went to (none: it went down elsewhere).
    QHash<qint64, QPointer<QWidget>> giu_;
    // The key event being delivered, with what the record decided for it: it is handed on from a
    // widget to its parents unchanged.
    struct Consegna {
        const QEvent* evento = nullptr;
        QPointer<QWidget> destinatario;
        bool ripetuto = false;
        bool premutoQui = false;
        bool scartato = false;
    };
    Consegna consegna_;
};
