// Program entry: builds the catalogues, then runs the creation wizard.
#include "uDialogs.h"
#include "uFrmCharacterCreation.h"
#include "uHalvaneSystem.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    halvane::BuildCatalogues();

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Halvane Character Generator"));
    // Ties the window to its installed launcher and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.HalvaneCharacterSheet"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.example.HalvaneCharacterSheet")));

    halvane::TStandardDialogs dialogs;
    halvane::TfrmCharacterCreation window(dialogs);
    window.move(282, 186);
    window.show();
    return QApplication::exec();
}
