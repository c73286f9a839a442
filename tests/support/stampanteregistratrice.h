#pragma once
// A printer that draws nothing and records every call with its twips coordinates. Text is
// measured with a fixed width per character so that tests can compute every position exactly:
// a character is FontSize × LarghezzaPerPunto twips wide (half an em by default) and a line is
// FontSize × AltezzaPerPunto twips high.
#include "platform/stampante.h"

#include <QString>

#include <memory>
#include <vector>

struct ChiamataStampa {
    enum Tipo { Testo, FineRiga, Linea, Rettangolo, Orientamento, FineDocumento };
    Tipo tipo = Testo;
    QString testo;        // Testo: the text printed
    double x1 = 0, y1 = 0; // Testo: CurrentX/CurrentY before printing; Linea/Rettangolo: first corner
    double x2 = 0, y2 = 0; // Linea/Rettangolo: second corner
    QString font;         // font name and size in force at the call
    double punti = 0;
    int valore = 0;       // Orientamento: the value set
};

// What one print job did; kept by the test after the printer object is gone.
struct RegistroStampa {
    std::vector<ChiamataStampa> chiamate;
    bool finito = false;      // EndDoc was called
    bool pdf = false;         // the job went to a PDF file
    int orientamento = 1;
    // The texts printed, in order.
    std::vector<ChiamataStampa> Testi() const;
    std::vector<ChiamataStampa> DiTipo(ChiamataStampa::Tipo t) const;
};

class StampanteRegistratrice : public Stampante {
public:
    explicit StampanteRegistratrice(std::shared_ptr<RegistroStampa> registro = std::make_shared<RegistroStampa>());

    static constexpr double LarghezzaPerPunto = 10.0;
    static constexpr double AltezzaPerPunto = 24.0;

    std::shared_ptr<RegistroStampa> registro() const { return registro_; }
    // What EndDoc answers and where the output is said to go.
    bool esitoEndDoc = true;
    QString destinazione;

    void setFontName(const QString& nome) override { font_ = nome; }
    QString FontName() const override { return font_; }
    void setFontSize(double punti) override { punti_ = punti; }
    double FontSize() const override { return punti_; }
    double CurrentX() const override { return x_; }
    double CurrentY() const override { return y_; }
    void setCurrentX(double tw) override { x_ = tw; }
    void setCurrentY(double tw) override { y_ = tw; }
    double TextWidth(const QString& testo) const override;
    double TextHeight() const override;
    void Stampa(const QString& testo) override;
    void FineRiga() override;
    void Line(double x1, double y1, double x2, double y2) override;
    void Box(double x1, double y1, double x2, double y2) override;
    void setOrientation(int valore) override;
    int Orientation() const override { return registro_->orientamento; }
    bool EndDoc() override;
    QString Destinazione() const override { return destinazione; }

private:
    ChiamataStampa nuova(ChiamataStampa::Tipo t) const;

    std::shared_ptr<RegistroStampa> registro_;
    QString font_ = QStringLiteral("Arial");
    double punti_ = 10;
    double x_ = 0, y_ = 0;
};
