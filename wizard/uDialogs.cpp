#include "uDialogs.h"

#include "uFrmAbout.h"
#include "uFrmCharacterSheet.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace halvane {

namespace {

// Keeps the printer alive exactly as long as the preview that prints on it.
class TPreviewPrinter : public QObject {
public:
    explicit TPreviewPrinter(QObject* parent) : QObject(parent), printer(QPrinter::HighResolution) {}
    QPrinter printer;
};

QString RunFileDialog(QWidget* parent, const TFileDialogSpec& spec, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, spec.Title, QString(), spec.Filter);
    dialog.setAcceptMode(mode);
    dialog.setDefaultSuffix(spec.DefaultSuffix);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The store reports a missing file itself, and a save replaces without asking.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().front();
}

} // namespace

void TStandardDialogs::ShowError(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Error"), text, QMessageBox::Ok, parent);
    box.exec();
}

void TStandardDialogs::ShowInformation(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("Information"), text, QMessageBox::Ok, parent);
    box.exec();
}

bool TStandardDialogs::AskYesNo(QWidget* parent, const QString& question) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("Confirm"), question, QMessageBox::Yes | QMessageBox::No,
                    parent);
    return box.exec() == QMessageBox::Yes;
}

QString TStandardDialogs::OpenFileName(QWidget* parent, const TFileDialogSpec& spec) {
    return RunFileDialog(parent, spec, QFileDialog::AcceptOpen);
}

QString TStandardDialogs::SaveFileName(QWidget* parent, const TFileDialogSpec& spec) {
    return RunFileDialog(parent, spec, QFileDialog::AcceptSave);
}

QWidget* TStandardDialogs::OpenPrintPreview(QWidget* parent, std::unique_ptr<TfrmCharacterSheet> sheet) {
    auto* holder = new TPreviewPrinter(nullptr);
    TfrmCharacterSheet::SetupPrinter(holder->printer);
    auto* preview = new QPrintPreviewDialog(&holder->printer, parent, Qt::Window);
    preview->setObjectName(QStringLiteral("printPreview"));
    preview->setWindowTitle(QStringLiteral("Halvane Character Sheet"));
    preview->setAttribute(Qt::WA_DeleteOnClose);
    preview->setWindowModality(Qt::NonModal);
    holder->setParent(preview);
    TfrmCharacterSheet* owned = sheet.release();
    owned->setParent(preview, Qt::Widget);
    owned->hide();
    QObject::connect(preview, &QPrintPreviewDialog::paintRequested, owned,
                     [owned](QPrinter* printer) { owned->Print(printer); });
    preview->resize(1000, 720);
    preview->show();
    return preview;
}

void TStandardDialogs::ShowAbout(QWidget* parent) {
    TfrmAbout about(nullptr);
    Q_UNUSED(parent);
    about.exec();
}

} // namespace halvane
