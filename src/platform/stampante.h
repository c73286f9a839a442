#pragma once
// The printer as the windows draw on it: twips from the top left corner of the printable area,
// a font by face and size, a current position, text measuring, text output, lines and boxes, one
// page setting and the end of the document.
#include <QString>

#include <memory>

class Stampante {
public:
    virtual ~Stampante() = default;

    virtual void setFontName(const QString& nome) = 0;
    virtual QString FontName() const = 0;
    virtual void setFontSize(double punti) = 0;
    virtual double FontSize() const = 0;

    virtual double CurrentX() const = 0;
    virtual double CurrentY() const = 0;
    virtual void setCurrentX(double tw) = 0;
    virtual void setCurrentY(double tw) = 0;

    // Printed width of a text in the current font, trailing blanks included.
    virtual double TextWidth(const QString& testo) const = 0;
    // Height of one text line in the current font.
    virtual double TextHeight() const = 0;

    // Draws the text at the current position; the position moves right, not down.
    virtual void Stampa(const QString& testo) = 0;
    // Ends the text line: back to the left margin, one line height down.
    virtual void FineRiga() = 0;
    virtual void Line(double x1, double y1, double x2, double y2) = 0;
    virtual void Box(double x1, double y1, double x2, double y2) = 0;

    // The page setting: 1 portrait, 2 landscape.
    virtual void setOrientation(int valore) = 0;
    virtual int Orientation() const = 0;

    // Ends the document and sends it out; false when the job failed. A PDF file that could not be
    // written whole counts as failed, and a file of its name that was there before stays as it was.
    virtual bool EndDoc() = 0;
    // Where the output went, for a file printer ("" for a real printer).
    virtual QString Destinazione() const = 0;
};

// A printer on Qt's print system. When no printer is installed, or the job fails, it prints to a
// PDF file at `pdfRiserva` instead and reports that path through Destinazione().
std::unique_ptr<Stampante> CreaStampanteQt(const QString& pdfRiserva, bool forzaPdf = false);
