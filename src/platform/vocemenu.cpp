#include "vocemenu.h"

VoceMenu::VoceMenu(QAction* azione, QMenu* menu, QObject* parent) : QObject(parent), azione_(azione), menu_(menu)
{
    if (azione_) {
        caption_ = azione_->text();
        connect(azione_, &QAction::triggered, this, [this] {
            // The check mark is the program's to set, not the click's.
            if (azione_ && azione_->isCheckable()) azione_->setChecked(spuntata_);
            Scegli();
        });
    }
    if (menu_) connect(menu_, &QMenu::aboutToShow, this, &VoceMenu::Scegli);
    aggiorna();
}

void VoceMenu::setCaption(const QString& testo)
{
    caption_ = testo;
    aggiorna();
}

bool VoceMenu::Checked() const
{
    return spuntata_;
}

void VoceMenu::setChecked(bool si)
{
    spuntata_ = si;
    aggiorna();
}

void VoceMenu::setEnabled(bool si)
{
    disponibile_ = si;
    aggiorna();
}

void VoceMenu::setBloccato(bool si)
{
    bloccato_ = si;
    aggiorna();
}

bool VoceMenu::Visible() const
{
    return azione_ && azione_->isVisible();
}

void VoceMenu::setVisible(bool si)
{
    if (azione_) azione_->setVisible(si);
}

void VoceMenu::Scegli()
{
    if (Utilizzabile()) emit Click();
}

void VoceMenu::aggiorna()
{
    if (!azione_) return;
    if (azione_->text() != caption_) azione_->setText(caption_);
    azione_->setEnabled(Utilizzabile());
    if (spuntata_ || azione_->isCheckable()) {
        azione_->setCheckable(true);
        azione_->setChecked(spuntata_);
    }
    if (menu_) menu_->setEnabled(Utilizzabile());
}
