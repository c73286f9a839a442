#include "servizi.h"

#include "file.h"

#include <QApplication>
#include <QColorDialog>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QSoundEffect>
#include <QUrl>

namespace {

// "desc|pattern|desc|pattern" to Qt's "desc (pattern);;desc (pattern)". Patterns are separated
// by ';' in the source form and by blanks in Qt's; "*.*" means every file.
QString FiltroQt(const QString& filtro)
{
    const QStringList parti = filtro.split(QLatin1Char('|'));
    QStringList voci;
    for (qsizetype i = 0; i + 1 < parti.size(); i += 2) {
        QStringList schemi = parti[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& s : schemi) {
            s = s.trimmed();
            if (s == QLatin1String("*.*")) s = QStringLiteral("*");
        }
        voci.append(QStringLiteral("%1 (%2)").arg(parti[i].trimmed(), schemi.join(QLatin1Char(' '))));
    }
    return voci.join(QStringLiteral(";;"));
}

QWidget* Proprietario(QWidget* owner)
{
    return owner ? owner : QApplication::activeWindow();
}

class ServiziQt : public Servizi {
public:
    ~ServiziQt() override
    {
        if (suono_) suono_->stop();
    }

    int MsgBox(QWidget* owner, const QString& testo, int stile, const QString& titolo) override
    {
        QMessageBox box(Proprietario(owner));
        box.setWindowTitle(titolo);
        box.setTextFormat(Qt::PlainText);
        box.setText(testo);
        switch (stile & 0x70) {
        case msg::Critical:
            box.setIcon(QMessageBox::Critical);
            break;
        case msg::Question:
            box.setIcon(QMessageBox::Question);
            break;
        case msg::Exclamation:
            box.setIcon(QMessageBox::Warning);
            break;
        case msg::Information:
            box.setIcon(QMessageBox::Information);
            break;
        default:
            break;
        }
        if ((stile & 7) == msg::YesNo) {
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.button(QMessageBox::Yes)->setText(QStringLiteral("Sì"));
            box.button(QMessageBox::No)->setText(QStringLiteral("No"));
            box.setDefaultButton(QMessageBox::Yes);
            box.setEscapeButton(QMessageBox::No);
            box.exec();
            return box.clickedButton() == box.button(QMessageBox::Yes) ? msg::RispostaYes : msg::RispostaNo;
        }
        box.setStandardButtons(QMessageBox::Ok);
        box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
        box.exec();
        return msg::RispostaOK;
    }

    QString FinestraFile(QWidget* owner, bool apri, const QString& titolo, const QString& nomeIniziale,
                         const QString& filtro, const QString& cartellaIniziale, const QString& estensione) override
    {
        QFileDialog dlg(Proprietario(owner), titolo, cartellaIniziale);
        dlg.setOption(QFileDialog::DontUseNativeDialog, true);
        const QString f = FiltroQt(filtro);
        if (!f.isEmpty()) dlg.setNameFilter(f);
        if (apri) {
            dlg.setAcceptMode(QFileDialog::AcceptOpen);
            dlg.setFileMode(QFileDialog::ExistingFile);
        } else {
            dlg.setAcceptMode(QFileDialog::AcceptSave);
            dlg.setFileMode(QFileDialog::AnyFile);
            QString suffisso = estensione;
            while (suffisso.startsWith(QLatin1Char('.'))) suffisso.remove(0, 1);
            dlg.setDefaultSuffix(suffisso);
        }
        if (!cartellaIniziale.isEmpty() && QFileInfo(cartellaIniziale).isDir()) dlg.setDirectory(cartellaIniziale);
        if (!nomeIniziale.isEmpty()) dlg.selectFile(nomeIniziale);
        if (dlg.exec() != QDialog::Accepted) return {};
        const QStringList scelti = dlg.selectedFiles();
        return scelti.isEmpty() ? QString() : QDir::toNativeSeparators(scelti.first());
    }

    std::optional<Colore> ScegliColore(QWidget* owner) override
    {
        const QColor c =
            QColorDialog::getColor(Qt::black, Proprietario(owner), QString(), QColorDialog::DontUseNativeDialog);
        if (!c.isValid()) return std::nullopt;
        return colore::daQColor(c);
    }

    void Suona(const QString& percorso) override
    {
        // As on the system the program was designed for, a new sound replaces the one playing.
        if (suono_) suono_->stop();
        if (!QFileInfo(percorso).isFile()) return;
        if (!suono_) suono_ = std::make_unique<QSoundEffect>();
        const QUrl url = QUrl::fromLocalFile(QFileInfo(percorso).absoluteFilePath());
        if (suono_->source() != url) suono_->setSource(url);
        suono_->play();
    }

    bool ApriDocumento(QWidget*, const QString& percorso) override
    {
        // The desktop's opener is started and not waited for: a missing file would be its failure,
        // never reported here, so it is checked first.
        const QFileInfo documento(percorso);
        if (!documento.isFile()) return false;
        return QDesktopServices::openUrl(QUrl::fromLocalFile(documento.absoluteFilePath()));
    }

    std::unique_ptr<Stampante> NuovaStampante(bool soloPdf) override
    {
        const QString nome = QStringLiteral("frasolino-risultati-%1.pdf")
                                 .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")));
        return CreaStampanteQt(QDir(file::CartellaDocumenti()).filePath(nome), soloPdf);
    }

private:
    std::unique_ptr<QSoundEffect> suono_;
};

} // namespace

std::unique_ptr<Servizi> CreaServiziQt()
{
    return std::make_unique<ServiziQt>();
}
