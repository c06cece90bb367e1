#include "uFrmAbout.h"

#include "uArtwork.h"

#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>

namespace halvane {

namespace {

const char* const AuthorNote =
    "This character generator was written while its author\n"
    "was running a Halvane game for a group of friends. It is\n"
    "offered to the whole community of Halvane players, who\n"
    "have few good tools of their own.\n"
    "When it was written, no other free* program with the\n"
    "same purpose was known to its author.\n"
    "Suggestions, comments and offers are welcome through\n"
    "the author's web site: https://halvane.example.org/\n"
    "Thank you for using it.\n"
    "\n"
    "Have a good play!";

const char* const Footnote =
    "(*) - After this program was finished, its author came upon another, very complete\n"
    "character creator for the game, distributed as trial software.";

QPlainTextEdit* ReadOnlyMemo(QWidget* parent, const char* name, const QString& text, const QRect& place) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(QString::fromLatin1(name));
    memo->setPlainText(text);
    memo->setReadOnly(true);
    memo->setFrameStyle(QFrame::NoFrame);
    memo->setBackgroundRole(QPalette::Button);
    memo->viewport()->setAutoFillBackground(false);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setGeometry(place);
    return memo;
}

} // namespace

TfrmAbout::TfrmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setBackgroundRole(QPalette::Button);
    QFont font(QFontDatabase::families().contains(QStringLiteral("MS Sans Serif")) ? QStringLiteral("MS Sans Serif")
                                                                                   : QStringLiteral("Liberation Sans"));
    font.setPointSize(8);
    setFont(font);
    setFixedSize(468, 311);
    move(396, 245);

    auto* aboutHalvane = new QGroupBox(QStringLiteral("About Halvane"), this);
    aboutHalvane->setObjectName(QStringLiteral("gbAboutHalvane"));
    aboutHalvane->setGeometry(3, 0, 462, 97);
    auto* logo = new QLabel(aboutHalvane);
    logo->setObjectName(QStringLiteral("Image1"));
    logo->setGeometry(111, 12, 233, 65);
    logo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    logo->setPixmap(QPixmap::fromImage(LoadArtwork(QString::fromLatin1(artwork::AboutLogo))));
    auto* disclaimer =
        new QLabel(QStringLiteral("Halvane is a registered trademark of its publisher."), aboutHalvane);
    disclaimer->setObjectName(QStringLiteral("lbDisclaimer"));
    disclaimer->setGeometry(88, 78, 286, 15);
    disclaimer->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    auto* aboutProgram = new QGroupBox(QStringLiteral("About This Program"), this);
    aboutProgram->setObjectName(QStringLiteral("gbAboutThisProgram"));
    aboutProgram->setGeometry(3, 99, 462, 209);
    ReadOnlyMemo(aboutProgram, "mmAbout", QString::fromUtf8(AuthorNote), QRect(25, 19, 337, 150));
    QPlainTextEdit* observation =
        ReadOnlyMemo(aboutProgram, "mmObservation", QString::fromUtf8(Footnote), QRect(8, 176, 441, 25));
    QFont small(QStringLiteral("Arial"));
    small.setPointSize(7);
    observation->setFont(small);
}

} // namespace halvane
