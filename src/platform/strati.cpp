#include "strati.h"

#include <QVariant>

#include <algorithm>
#include <vector>

namespace {

const char* const ProprietaStrato = "frasolinoStrato";

// The sibling widgets of `area`, from the bottom up.
std::vector<QWidget*> Figli(const QWidget* area)
{
    std::vector<QWidget*> figli;
    for (QObject* o : area->children())
        if (auto* w = qobject_cast<QWidget*>(o); w && !w->isWindow()) figli.push_back(w);
    return figli;
}

} // namespace

Strato StratoDi(const QWidget* w)
{
    const QVariant v = w->property(ProprietaStrato);
    return v.isValid() ? static_cast<Strato>(v.toInt()) : Strato::Caselle;
}

void MettiNelloStrato(QWidget* w, Strato s)
{
    if (!w) return;
    w->setProperty(ProprietaStrato, static_cast<int>(s));
    const QWidget* area = w->parentWidget();
    if (!area) return;
    for (QWidget* altro : Figli(area)) {
        if (altro != w && StratoDi(altro) > s) {
            w->stackUnder(altro);
            return;
        }
    }
    w->raise();
}

void OrdinaStrati(QWidget* area)
{
    if (!area) return;
    std::vector<QWidget*> figli = Figli(area);
    std::stable_sort(figli.begin(), figli.end(),
                     [](const QWidget* a, const QWidget* b) { return StratoDi(a) < StratoDi(b); });
    for (QWidget* w : figli) w->raise();
}
