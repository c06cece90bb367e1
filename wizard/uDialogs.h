#pragma once
// Every modal interaction of the wizard window goes through this seam: message
// and question boxes, the file dialogs, the print preview and the about
// window. The program uses TStandardDialogs; tests put in their own answers
// and file names, so they drive the real window without ever blocking.

#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>

namespace halvane {

class TfrmCharacterSheet;

struct TFileDialogSpec {
    QString Title;
    QString Filter;
    QString DefaultSuffix;
};

class IDialogs {
public:
    virtual ~IDialogs() = default;

    virtual void ShowError(QWidget* parent, const QString& text) = 0;
    virtual void ShowInformation(QWidget* parent, const QString& text) = 0;
    // A question with Yes and No; true means Yes.
    virtual bool AskYesNo(QWidget* parent, const QString& question) = 0;
    // The chosen file, or an empty text when the dialog was cancelled.
    virtual QString OpenFileName(QWidget* parent, const TFileDialogSpec& spec) = 0;
    virtual QString SaveFileName(QWidget* parent, const TFileDialogSpec& spec) = 0;
    // Shows the filled sheet's print preview without blocking and hands back
    // the preview window, which owns the sheet and releases both on close.
    virtual QWidget* OpenPrintPreview(QWidget* parent, std::unique_ptr<TfrmCharacterSheet> sheet) = 0;
    virtual void ShowAbout(QWidget* parent) = 0;
};

class TStandardDialogs : public IDialogs {
public:
    void ShowError(QWidget* parent, const QString& text) override;
    void ShowInformation(QWidget* parent, const QString& text) override;
    bool AskYesNo(QWidget* parent, const QString& question) override;
    QString OpenFileName(QWidget* parent, const TFileDialogSpec& spec) override;
    QString SaveFileName(QWidget* parent, const TFileDialogSpec& spec) override;
    QWidget* OpenPrintPreview(QWidget* parent, std::unique_ptr<TfrmCharacterSheet> sheet) override;
    void ShowAbout(QWidget* parent) override;
};

} // namespace halvane
