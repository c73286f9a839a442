#pragma once
// The results grid: a table of texts with a fixed header row and a fixed first column, column
// widths in twips and per-column alignment, a current cell, and a font. The model holds the
// data (the printer reads it); the view shows it.
#include <QAbstractTableModel>
#include <QFont>
#include <QTableView>

#include <vector>

class ModelloGriglia : public QAbstractTableModel {
    Q_OBJECT
public:
    // Alignments: 0 left, 1 right, 2 centre (vertically centred). 4, the grid control's own value
    // for text centred both ways, is taken as centre too.
    enum Allineamento { Sinistra = 0, Destra = 1, Centro = 2, CentroCentro = 4 };

    explicit ModelloGriglia(QObject* parent = nullptr);

    int Rows() const { return righe_; }
    void setRows(int n);
    int Cols() const { return colonne_; }
    void setCols(int n);
    int FixedRows() const { return righeFisse_; }
    void setFixedRows(int n) { righeFisse_ = n; }
    int FixedCols() const { return colonneFisse_; }
    void setFixedCols(int n) { colonneFisse_ = n; }

    int Row() const { return riga_; }
    void setRow(int r);
    int Col() const { return colonna_; }
    void setCol(int c);
    QString Text() const { return TextMatrix(riga_, colonna_); }
    void setText(const QString& t) { setTextMatrix(riga_, colonna_, t); }
    QString TextMatrix(int r, int c) const;
    void setTextMatrix(int r, int c, const QString& t);

    int ColWidth(int c) const;
    void setColWidth(int c, int tw);
    int ColAlignment(int c) const;
    void setColAlignment(int c, int a);
    // Alignment of the fixed (header) cells of a column.
    int FixedAlignment(int c) const;
    void setFixedAlignment(int c, int a);

    // Alignment of one cell, over its column's (or its header's); -1 = none of its own.
    int CellAlignment() const { return CellAlignmentA(riga_, colonna_); }
    void setCellAlignment(int a) { setCellAlignmentA(riga_, colonna_, a); }
    int CellAlignmentA(int r, int c) const;
    void setCellAlignmentA(int r, int c, int a);

    QFont Font() const { return font_; }
    void setFont(const QFont& f) { font_ = f; }

    // QAbstractTableModel
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    void ridimensiona();

    bool valida(int r, int c) const { return r >= 0 && r < righe_ && c >= 0 && c < colonne_; }

    int righe_ = 2, colonne_ = 2, righeFisse_ = 1, colonneFisse_ = 1, riga_ = 1, colonna_ = 1;
    std::vector<std::vector<QString>> celle_;
    std::vector<int> larghezze_;
    std::vector<int> allineamenti_;
    std::vector<int> allineamentiFissi_;
    std::vector<std::vector<int>> allineamentiCelle_;
    QFont font_;
};

class Griglia : public QTableView {
    Q_OBJECT
public:
    explicit Griglia(QWidget* parent = nullptr);
    ModelloGriglia& Modello() { return modello_; }
    const ModelloGriglia& Modello() const { return modello_; }

    // Twips geometry.
    void Move(int left, int top, int width, int height);
    int Width() const;
    bool Visible() const { return !isHidden(); }

    // Applies the model's column widths and font to the view (the model's font is also the
    // printed one; the view's may then be scaled with the window).
    void Aggiorna();

protected:
    void changeEvent(QEvent* e) override;

private:
    ModelloGriglia modello_;
};
