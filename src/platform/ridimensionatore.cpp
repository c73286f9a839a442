#include "ridimensionatore.h"

#include "barrastato.h"
#include "controlli.h"

#include <algorithm>
#include <cmath>

namespace {

// The smallest part of the recorded size, in each direction, that the controls follow.
constexpr double ScalaMinima = 0.25;

// The controls of a container: its direct child widgets, and those of its frames, recursively.
// The inner parts of composite controls (the status bar's, the grid's viewport and scroll bars)
// are theirs to arrange.
void Raccogli(QWidget* contenitore, std::vector<QWidget*>& out)
{
    const auto figli = contenitore->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* w : figli) {
        if (w->isWindow()) continue;
        if (qobject_cast<BarraStato*>(w)) continue; // it docks itself, and scales its parts when told
        out.push_back(w);
        if (qobject_cast<Cornice*>(w)) Raccogli(w, out);
    }
}

// A control's rectangle: a shape's own, without the outer half of its outline.
QRect Geometria(const QWidget* w)
{
    if (const auto* f = qobject_cast<const Forma*>(w)) return f->Rettangolo();
    return w->geometry();
}

void ImpostaGeometria(QWidget* w, const QRect& r)
{
    if (auto* f = qobject_cast<Forma*>(w))
        f->setRettangolo(r);
    else
        w->setGeometry(r);
}

} // namespace

void Ridimensionatore::RecordLayout(QWidget* client)
{
    client_ = client;
    voci_.clear();
    dimensioni_ = QSize();
    sxApplicata_ = syApplicata_ = 1.0;
    if (!client) return;
    dimensioni_ = client->size();
    std::vector<QWidget*> controlli;
    Raccogli(client, controlli);
    voci_.reserve(controlli.size());
    for (QWidget* w : controlli) voci_.push_back({w, QRectF(Geometria(w)), w->font(), Geometria(w), w->font()});
    for (BarraStato* b : client->findChildren<BarraStato*>(Qt::FindDirectChildrenOnly)) b->setScala(1.0, 1.0);
}

double Ridimensionatore::ScalaX() const
{
    if (!client_ || dimensioni_.width() <= 0) return 1.0;
    return static_cast<double>(client_->width()) / dimensioni_.width();
}

double Ridimensionatore::ScalaY() const
{
    if (!client_ || dimensioni_.height() <= 0) return 1.0;
    return static_cast<double>(client_->height()) / dimensioni_.height();
}

QRectF Ridimensionatore::AllaRegistrazione(const QRect& r) const
{
    return {r.left() / sxApplicata_, r.top() / syApplicata_, r.width() / sxApplicata_, r.height() / syApplicata_};
}

QFont CarattereInScala(QFont f, double scala)
{
    if (f.pointSizeF() > 0)
        f.setPointSizeF(std::max(1.0, f.pointSizeF() * scala));
    else
        f.setPixelSize(std::max(1, static_cast<int>(std::lround(f.pixelSize() * scala))));
    return f;
}

void Ridimensionatore::ApplyLayout()
{
    if (!client_ || dimensioni_.width() <= 0 || dimensioni_.height() <= 0) return;
    const double sx = ScalaX();
    const double sy = ScalaY();
    // Too small to read anything: the layout stays as it is, so that what the window lays out
    // meanwhile keeps its proportions for the next size with room.
    if (sx < ScalaMinima || sy < ScalaMinima) return;
    const double sf = std::min(sx, sy);
    const double sfPrima = std::min(sxApplicata_, syApplicata_);
    // Controls gone since the last layout are forgotten; controls created since then (a sentence's
    // word labels) join, with the place and font the window gave them at the scale then in use.
    std::erase_if(voci_, [](const Voce& v) { return v.w.isNull(); });
    std::vector<QWidget*> presenti;
    Raccogli(client_, presenti);
    for (QWidget* w : presenti) {
        const bool nota = std::any_of(voci_.begin(), voci_.end(), [w](const Voce& v) { return v.w == w; });
        if (nota) continue;
        const QRect g = Geometria(w);
        const QFont f = w->font();
        voci_.push_back({w, AllaRegistrazione(g), CarattereInScala(f, 1.0 / sfPrima), g, f});
    }
    for (Voce& v : voci_) {
        if (!v.w) continue; // destroyed since the record
        // Changed by the window since the last layout: that is the control's new base.
        if (v.w->font() != v.fontApplicato) {
            const QFont ora = v.w->font();
            v.font = CarattereInScala(ora, 1.0 / sfPrima);
        }
        if (Geometria(v.w) != v.applicata) {
            v.geometria = AllaRegistrazione(Geometria(v.w));
        }
        const QFont f = CarattereInScala(v.font, sf);
        if (f != v.w->font()) v.w->setFont(f);
        v.fontApplicato = v.w->font();
        // Scale the edges, so that controls side by side stay side by side.
        const QRectF& g = v.geometria;
        const int x1 = static_cast<int>(std::lround(g.left() * sx));
        const int x2 = static_cast<int>(std::lround((g.left() + g.width()) * sx));
        const int y1 = static_cast<int>(std::lround(g.top() * sy));
        const int y2 = static_cast<int>(std::lround((g.top() + g.height()) * sy));
        ImpostaGeometria(v.w, QRect(x1, y1, std::max(0, x2 - x1), std::max(0, y2 - y1)));
        v.applicata = Geometria(v.w);
    }
    for (BarraStato* b : client_->findChildren<BarraStato*>(Qt::FindDirectChildrenOnly)) b->setScala(sx, sy);
    sxApplicata_ = sx;
    syApplicata_ = sy;
}
