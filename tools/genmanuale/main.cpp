// genmanuale SOURCE.md OUTPUT.pdf PICTURES_FOLDER
// Typesets the program's manual, written in Markdown, as an A4 PDF document.
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QDir>
#include <QImage>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextStream>
#include <QTextTable>
#include <QUrl>

namespace {

const QColor ColoreTitoli(0x1f, 0x4e, 0x8c);

// Headings in the program's blue, so that a page is easy to scan.
void coloraTitoli(QTextDocument& documento)
{
    for (QTextBlock blocco = documento.begin(); blocco.isValid(); blocco = blocco.next()) {
        if (blocco.blockFormat().headingLevel() == 0)
            continue;
        QTextCursor cursore(blocco);
        cursore.select(QTextCursor::BlockUnderCursor);
        QTextCharFormat formato;
        formato.setForeground(ColoreTitoli);
        cursore.mergeCharFormat(formato);
    }
}

// Tables with a thin grey grid, some air in the cells and a tinted heading row.
void sistemaTabelle(QTextDocument& documento)
{
    for (QTextFrame* riquadro : documento.rootFrame()->childFrames()) {
        auto* tabella = qobject_cast<QTextTable*>(riquadro);
        if (!tabella)
            continue;
        QTextTableFormat formato = tabella->format();
        formato.setBorderCollapse(true);
        formato.setBorder(1);
        formato.setBorderBrush(QColor(0x90, 0x90, 0x90));
        formato.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        formato.setCellPadding(4);
        formato.setCellSpacing(0);
        formato.setWidth(QTextLength(QTextLength::PercentageLength, 70));
        tabella->setFormat(formato);
        for (int colonna = 0; colonna < tabella->columns(); ++colonna) {
            QTextTableCell cella = tabella->cellAt(0, colonna);
            QTextCharFormat intestazione = cella.format();
            intestazione.setBackground(QColor(0xdc, 0xe8, 0xf7));
            cella.setFormat(intestazione);
        }
    }
}

// The pictures the text names are files of the pictures folder; they are loaded
// here so that every copy of the document made while printing carries them.
bool caricaImmagini(QTextDocument& documento, const QString& cartella, QTextStream& errori)
{
    bool tutte = true;
    for (QTextBlock blocco = documento.begin(); blocco.isValid(); blocco = blocco.next()) {
        for (auto frammento = blocco.begin(); !frammento.atEnd(); ++frammento) {
            const QTextCharFormat formato = frammento.fragment().charFormat();
            if (!formato.isImageFormat())
                continue;
            const QString nome = formato.toImageFormat().name();
            const QImage immagine(QDir(cartella).filePath(nome));
            if (immagine.isNull()) {
                errori << "genmanuale: immagine mancante " << nome << '\n';
                tutte = false;
                continue;
            }
            documento.addResource(QTextDocument::ImageResource, QUrl(nome), immagine);
        }
    }
    return tutte;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication applicazione(argc, argv);
    QTextStream errori(stderr);
    const QStringList argomenti = applicazione.arguments();
    if (argomenti.size() != 4) {
        errori << "uso: genmanuale SORGENTE.md USCITA.pdf CARTELLA_IMMAGINI\n";
        return 2;
    }
    QFile sorgente(argomenti[1]);
    if (!sorgente.open(QIODevice::ReadOnly)) {
        errori << "genmanuale: non riesco a leggere " << argomenti[1] << '\n';
        return 1;
    }
    const QString testo = QString::fromUtf8(sorgente.readAll());

    QTextDocument documento;
    QFont carattere(QStringLiteral("DejaVu Sans"));
    carattere.setPointSizeF(11);
    documento.setDefaultFont(carattere);
    documento.setMarkdown(testo);
    if (!caricaImmagini(documento, argomenti[3], errori))
        return 1;
    coloraTitoli(documento);
    sistemaTabelle(documento);
    documento.setMetaInformation(QTextDocument::DocumentTitle, QStringLiteral("Frasolino - 1°: manuale"));

    QPdfWriter pdf(argomenti[2]);
    pdf.setTitle(QStringLiteral("Frasolino - 1°: manuale"));
    pdf.setCreator(QStringLiteral("Frasolino - 1°"));
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                                  QPageLayout::Millimeter));
    pdf.setResolution(300);
    // The document keeps its own 2 cm margin around the text and numbers the pages.
    documento.print(&pdf);
    if (!QFile::exists(argomenti[2]) || QFile(argomenti[2]).size() == 0) {
        errori << "genmanuale: non riesco a scrivere " << argomenti[2] << '\n';
        return 1;
    }
    return 0;
}
