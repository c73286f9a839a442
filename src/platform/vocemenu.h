#pragma once
// A menu item: caption, check mark, availability and, for the level menus, a lock kept apart from
// the availability. The item can be used only when it is available and not locked.
#include <QAction>
#include <QMenu>
#include <QObject>
#include <QPointer>

class VoceMenu : public QObject {
    Q_OBJECT
public:
    // An item that opens a submenu (menu is its QMenu) or a command (menu is null).
    VoceMenu(QAction* azione, QMenu* menu = nullptr, QObject* parent = nullptr);

    QString Caption() const { return caption_; }
    void setCaption(const QString& testo);
    bool Checked() const;
    void setChecked(bool si);
    bool Enabled() const { return disponibile_; }
    void setEnabled(bool si);
    bool Bloccato() const { return bloccato_; }
    void setBloccato(bool si);
    bool Utilizzabile() const { return disponibile_ && !bloccato_; }
    bool Visible() const;
    void setVisible(bool si);

    QAction* azione() const { return azione_; }
    QMenu* menu() const { return menu_; }

    // Runs the command as a click does, only when the item is usable.
    void Scegli();

signals:
    void Click();

private:
    void aggiorna();

    QPointer<QAction> azione_;
    QPointer<QMenu> menu_;
    QString caption_;
    bool spuntata_ = false;
    bool disponibile_ = true;
    bool bloccato_ = false;
};
