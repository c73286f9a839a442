#include "stampante.h"

#include "file.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>

#include <cmath>

namespace {

constexpr double TwipsPerPollice = 1440.0;
constexpr double SpessoreLinea = 15.0; // twips: one logical pixel
constexpr int RisoluzionePdf = 1200;   // dots per inch of the PDF file, as a printer's high resolution

// The printer on Qt. Drawing starts with the first drawing call, so that the page setting made
// before it applies; the painter is scaled so that one unit is one twip, with the origin at the
// top left corner of the printable area. Fonts are sized in those units (20 per point), so that
// measuring and drawing agree on every device. The PDF file is written as a whole or not at all.
class StampanteQt : public Stampante {
public:
    StampanteQt(QString pdfRiserva, bool forzaPdf) : pdf_(std::move(pdfRiserva))
    {
        usaPdf_ = forzaPdf || QPrinterInfo::availablePrinters().isEmpty();
        creaStampante();
    }

    ~StampanteQt() override
    {
        if (pittore_.isActive()) pittore_.end();
    }

    void setFontName(const QString& nome) override
    {
        nomeFont_ = nome;
        aggiornaFont();
    }
    QString FontName() const override { return nomeFont_; }
    void setFontSize(double punti) override
    {
        if (punti > 0) punti_ = punti;
        aggiornaFont();
    }
    double FontSize() const override { return punti_; }

    double CurrentX() const override { return x_; }
    double CurrentY() const override { return y_; }
    void setCurrentX(double tw) override { x_ = tw; }
    void setCurrentY(double tw) override { y_ = tw; }

    double TextWidth(const QString& testo) const override { return metriche().horizontalAdvance(testo); }
    double TextHeight() const override { return metriche().lineSpacing(); }

    void Stampa(const QString& testo) override
    {
        if (!inizia()) {
            x_ += TextWidth(testo);
            return;
        }
        if (!testo.isEmpty()) pittore_.drawText(QPointF(x_, y_ + metriche().ascent()), testo);
        x_ += TextWidth(testo);
    }

    void FineRiga() override
    {
        x_ = 0;
        y_ += TextHeight();
    }

    void Line(double x1, double y1, double x2, double y2) override
    {
        if (!inizia()) return;
        pittore_.drawLine(QPointF(x1, y1), QPointF(x2, y2));
    }

    void Box(double x1, double y1, double x2, double y2) override
    {
        if (!inizia()) return;
        pittore_.setBrush(Qt::NoBrush);
        pittore_.drawRect(QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized());
    }

    void setOrientation(int valore) override
    {
        if (valore != 1 && valore != 2) return;
        orientamento_ = valore;
        // Once the page is started the setting waits for the next document.
        if (!pittore_.isActive()) applicaOrientamento();
    }
    int Orientation() const override { return orientamento_; }

    bool EndDoc() override
    {
        if (!inizia()) return false;
        const bool ok = pittore_.end();
        if (!filePdf_) return ok;
        if (!ok) {
            filePdf_->cancelWriting();
            return false;
        }
        return file::ConcludiScrittura(*filePdf_);
    }

    QString Destinazione() const override { return usaPdf_ ? pdf_ : QString(); }

private:
    void creaStampante()
    {
        const QString titolo = QStringLiteral("Frasolino - 1°");
        if (usaPdf_) {
            stampante_.reset();
            QDir().mkpath(QFileInfo(pdf_).absolutePath());
            filePdf_ = std::make_unique<QSaveFile>(pdf_);
            scrittorePdf_ = std::make_unique<QPdfWriter>(filePdf_.get());
            scrittorePdf_->setResolution(RisoluzionePdf);
            scrittorePdf_->setTitle(titolo);
            dispositivo_ = scrittorePdf_.get();
        } else {
            stampante_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
            stampante_->setDocName(titolo);
            dispositivo_ = stampante_.get();
        }
        applicaOrientamento();
        aggiornaFont();
    }

    void applicaOrientamento()
    {
        dispositivo_->setPageOrientation(orientamento_ == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
    }

    int risoluzione() const { return stampante_ ? stampante_->resolution() : scrittorePdf_->resolution(); }

    bool avviaPagina()
    {
        if (filePdf_ && !filePdf_->isOpen() && !filePdf_->open(QIODevice::WriteOnly)) return false;
        return pittore_.begin(dispositivo_);
    }

    void aggiornaFont()
    {
        font_ = QFont(nomeFont_);
        font_.setPixelSize(std::max(1, static_cast<int>(std::lround(punti_ * 20.0))));
        font_.setKerning(false);
        if (pittore_.isActive()) pittore_.setFont(font_);
    }

    QFontMetricsF metriche() const { return QFontMetricsF(font_, dispositivo_); }

    // Starts the page on first use; a printer that cannot start falls back to the PDF file.
    bool inizia()
    {
        if (pittore_.isActive()) return true;
        if (!avviaPagina()) {
            if (usaPdf_) return false;
            usaPdf_ = true;
            creaStampante();
            if (!avviaPagina()) return false;
        }
        const double scala = risoluzione() / TwipsPerPollice;
        pittore_.scale(scala, scala);
        pittore_.setRenderHint(QPainter::Antialiasing, false);
        pittore_.setFont(font_);
        QPen penna(Qt::black);
        penna.setWidthF(SpessoreLinea);
        pittore_.setPen(penna);
        pittore_.setBrush(Qt::NoBrush);
        return true;
    }

    QString pdf_;
    bool usaPdf_ = false;
    std::unique_ptr<QPrinter> stampante_;
    // The PDF file: the writer draws into the file, which takes its name when the page is done.
    std::unique_ptr<QSaveFile> filePdf_;
    std::unique_ptr<QPdfWriter> scrittorePdf_;
    QPagedPaintDevice* dispositivo_ = nullptr; // the printer or the PDF writer
    QPainter pittore_;
    QString nomeFont_ = QStringLiteral("Arial");
    double punti_ = 10;
    QFont font_;
    double x_ = 0, y_ = 0;
    int orientamento_ = 1;
};

} // namespace

std::unique_ptr<Stampante> CreaStampanteQt(const QString& pdfRiserva, bool forzaPdf)
{
    return std::make_unique<StampanteQt>(pdfRiserva, forzaPdf);
}
