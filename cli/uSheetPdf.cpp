#include "uSheetPdf.h"

#include "uFrmCharacterSheet.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

namespace halvane {

void WriteSheetPdf(const THalvaneCharacter& character, const std::string& fileName) {
    // The sheet is painted, never shown: no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt wants a private runtime folder and complains on stderr without one.
    QTemporaryDir runtime;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtime.isValid())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    std::unique_ptr<QApplication> app;
    if (QApplication::instance() == nullptr) {
        static int argc = 1;
        static char name[] = "hcstool";
        static char* argv[] = {name, nullptr};
        app = std::make_unique<QApplication>(argc, argv);
    }
    TfrmCharacterSheet sheet;
    sheet.FillCharacterSheet(character);
    sheet.WritePdf(QString::fromStdString(fileName));
}

} // namespace halvane
