// Program entry: builds the catalogues, then runs the main window.
#include "uHalvaneSystem.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    halvane::BuildCatalogues();

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Halvane Character Generator"));

    // Stands in for the creation wizard until its window is built.
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Halvane Character Generator"));
    auto* notice = new QLabel(QStringLiteral("The creation wizard is not there yet."), &window);
    notice->setAlignment(Qt::AlignCenter);
    window.setCentralWidget(notice);
    window.setFixedSize(482, 335);
    window.show();
    return QApplication::exec();
}
