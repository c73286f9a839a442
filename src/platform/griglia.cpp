#include "griglia.h"

#include "twips.h"

#include <QBrush>
#include <QColor>
#include <QEvent>
#include <QFontMetrics>
#include <QHeaderView>

namespace {

constexpr int LarghezzaPredefinita = 960; // twips

Qt::Alignment Allinea(int a)
{
    switch (a) {
    case ModelloGriglia::Destra:
        return Qt::AlignRight | Qt::AlignVCenter;
    case ModelloGriglia::Centro:
    case ModelloGriglia::CentroCentro:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

} // namespace

ModelloGriglia::ModelloGriglia(QObject* parent) : QAbstractTableModel(parent)
{
    ridimensiona();
}

void ModelloGriglia::ridimensiona()
{
    celle_.resize(static_cast<size_t>(righe_));
    allineamentiCelle_.resize(static_cast<size_t>(righe_));
    for (auto& r : celle_) r.resize(static_cast<size_t>(colonne_));
    for (auto& r : allineamentiCelle_) r.resize(static_cast<size_t>(colonne_), -1);
    larghezze_.resize(static_cast<size_t>(colonne_), LarghezzaPredefinita);
    allineamenti_.resize(static_cast<size_t>(colonne_), Sinistra);
    allineamentiFissi_.resize(static_cast<size_t>(colonne_), Sinistra);
    riga_ = std::clamp(riga_, 0, std::max(0, righe_ - 1));
    colonna_ = std::clamp(colonna_, 0, std::max(0, colonne_ - 1));
}

void ModelloGriglia::setRows(int n)
{
    n = std::max(0, n);
    if (n == righe_) return;
    beginResetModel();
    righe_ = n;
    ridimensiona();
    endResetModel();
}

void ModelloGriglia::setCols(int n)
{
    n = std::max(0, n);
    if (n == colonne_) return;
    beginResetModel();
    colonne_ = n;
    ridimensiona();
    endResetModel();
}

void ModelloGriglia::setRow(int r)
{
    if (r >= 0 && r < righe_) riga_ = r;
}

void ModelloGriglia::setCol(int c)
{
    if (c >= 0 && c < colonne_) colonna_ = c;
}

QString ModelloGriglia::TextMatrix(int r, int c) const
{
    if (!valida(r, c)) return {};
    return celle_[static_cast<size_t>(r)][static_cast<size_t>(c)];
}

void ModelloGriglia::setTextMatrix(int r, int c, const QString& t)
{
    if (!valida(r, c)) return;
    celle_[static_cast<size_t>(r)][static_cast<size_t>(c)] = t;
    const QModelIndex i = index(r, c);
    emit dataChanged(i, i, {Qt::DisplayRole});
}

int ModelloGriglia::ColWidth(int c) const
{
    if (c < 0 || c >= colonne_) return 0;
    return larghezze_[static_cast<size_t>(c)];
}

void ModelloGriglia::setColWidth(int c, int tw)
{
    if (c < 0 || c >= colonne_) return;
    larghezze_[static_cast<size_t>(c)] = std::max(0, tw);
}

int ModelloGriglia::ColAlignment(int c) const
{
    if (c < 0 || c >= colonne_) return Sinistra;
    return allineamenti_[static_cast<size_t>(c)];
}

void ModelloGriglia::setColAlignment(int c, int a)
{
    if (c < 0 || c >= colonne_) return;
    allineamenti_[static_cast<size_t>(c)] = a;
    if (righe_ > 0) emit dataChanged(index(0, c), index(righe_ - 1, c), {Qt::TextAlignmentRole});
}

int ModelloGriglia::FixedAlignment(int c) const
{
    if (c < 0 || c >= colonne_) return Sinistra;
    return allineamentiFissi_[static_cast<size_t>(c)];
}

void ModelloGriglia::setFixedAlignment(int c, int a)
{
    if (c < 0 || c >= colonne_) return;
    allineamentiFissi_[static_cast<size_t>(c)] = a;
    if (righe_ > 0) emit dataChanged(index(0, c), index(righe_ - 1, c), {Qt::TextAlignmentRole});
}

int ModelloGriglia::CellAlignmentA(int r, int c) const
{
    if (!valida(r, c)) return -1;
    return allineamentiCelle_[static_cast<size_t>(r)][static_cast<size_t>(c)];
}

void ModelloGriglia::setCellAlignmentA(int r, int c, int a)
{
    if (!valida(r, c)) return;
    allineamentiCelle_[static_cast<size_t>(r)][static_cast<size_t>(c)] = a;
    const QModelIndex i = index(r, c);
    emit dataChanged(i, i, {Qt::TextAlignmentRole});
}

int ModelloGriglia::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : righe_;
}

int ModelloGriglia::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : colonne_;
}

QVariant ModelloGriglia::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !valida(index.row(), index.column())) return {};
    const int r = index.row();
    const int c = index.column();
    const bool fissa = r < righeFisse_ || c < colonneFisse_;
    switch (role) {
    case Qt::DisplayRole:
        return celle_[static_cast<size_t>(r)][static_cast<size_t>(c)];
    case Qt::TextAlignmentRole: {
        int a = CellAlignmentA(r, c);
        if (a < 0) a = r < righeFisse_ ? FixedAlignment(c) : ColAlignment(c);
        return QVariant::fromValue(Allinea(a));
    }
    case Qt::BackgroundRole:
        return fissa ? QBrush(QColor(0xC0, 0xC0, 0xC0)) : QBrush(Qt::white);
    case Qt::ForegroundRole:
        return QBrush(Qt::black);
    default:
        return {};
    }
}

// ---------------------------------------------------------------------------------------------

Griglia::Griglia(QWidget* parent) : QTableView(parent)
{
    setModel(&modello_);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    setWordWrap(false);
    setShowGrid(true);
    Aggiorna();
}

void Griglia::Move(int left, int top, int width, int height)
{
    setGeometry(twips::aPixel(left), twips::aPixel(top), std::max(0, twips::aPixel(width)),
                std::max(0, twips::aPixel(height)));
}

int Griglia::Width() const
{
    return twips::daPixel(width());
}

void Griglia::Aggiorna()
{
    setFont(modello_.Font());
    for (int c = 0; c < modello_.Cols(); ++c) setColumnWidth(c, twips::aPixel(modello_.ColWidth(c)));
    verticalHeader()->setDefaultSectionSize(QFontMetrics(font()).height() + 6);
    viewport()->update();
}

void Griglia::changeEvent(QEvent* e)
{
    QTableView::changeEvent(e);
    // Rows follow the font, also when the window's re-layout scales it.
    if (e->type() == QEvent::FontChange) verticalHeader()->setDefaultSectionSize(QFontMetrics(font()).height() + 6);
}
