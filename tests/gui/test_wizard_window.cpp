// Drives the real wizard window with the offscreen platform. Every message
// box, question and file dialog goes through a scripted seam, so nothing blocks.

#include "uDialogs.h"
#include "uFrmAbout.h"
#include "uFrmCharacterCreation.h"
#include "uFrmCharacterSheet.h"
#include "uHalvaneXMLDAO.h"
#include "uWidgets.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <deque>
#include <memory>

using namespace halvane;

namespace {

class TScriptedDialogs : public IDialogs {
public:
    QStringList errors, informations, questions;
    std::deque<bool> answers;
    QString nextOpenFile, nextSaveFile;
    TFileDialogSpec lastOpenSpec, lastSaveSpec;
    int previewsOpened = 0, aboutsShown = 0;
    std::unique_ptr<TfrmCharacterSheet> sheet;
    std::unique_ptr<QWidget> preview;

    void ShowError(QWidget*, const QString& text) override { errors << text; }
    void ShowInformation(QWidget*, const QString& text) override { informations << text; }
    bool AskYesNo(QWidget*, const QString& question) override {
        questions << question;
        if (answers.empty()) {
            qWarning("unexpected question: %s", qPrintable(question));
            return false;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    QString OpenFileName(QWidget*, const TFileDialogSpec& spec) override {
        lastOpenSpec = spec;
        return std::exchange(nextOpenFile, QString());
    }
    QString SaveFileName(QWidget*, const TFileDialogSpec& spec) override {
        lastSaveSpec = spec;
        return std::exchange(nextSaveFile, QString());
    }
    QWidget* OpenPrintPreview(QWidget*, std::unique_ptr<TfrmCharacterSheet> filled) override {
        ++previewsOpened;
        sheet = std::move(filled);
        preview = std::make_unique<QWidget>();
        return preview.get();
    }
    void ShowAbout(QWidget*) override { ++aboutsShown; }
};

const QString ForcesQuestion = QStringLiteral("You didn't spend all your force points. Do you want to proceed anyway?");
const QString CharacteristicsQuestion =
    QStringLiteral("You didn't spend all your characteristics points. Do you want to proceed anyway?");

} // namespace

class TestWizardWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<TScriptedDialogs> dialogs;
    std::unique_ptr<TfrmCharacterCreation> window;
    std::unique_ptr<QTemporaryDir> folder;

    template <class T>
    T* Find(const char* name) {
        T* widget = window->findChild<T*>(QString::fromLatin1(name));
        if (widget == nullptr) qFatal("no widget %s", name);
        return widget;
    }
    TPageControl* Pages() { return window->PageControl(); }
    int Page() { return Pages()->CurrentIndex(); }
    const THalvaneCharacter& Record() { return window->Rules().Character(); }

    void ClickTab(int index) {
        QTest::mouseClick(Pages()->Strip(), Qt::LeftButton, {}, Pages()->Strip()->TabRect(index).center());
    }
    void Click(const char* button) { QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton); }
    void Choose(const char* list, int index) {
        auto* combo = Find<QComboBox>(list);
        QVERIFY2(index < combo->count(), list);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    void ChooseText(const char* list, const QString& text) {
        const int index = Find<QComboBox>(list)->findText(text);
        QVERIFY2(index >= 0, qPrintable(text));
        Choose(list, index);
    }
    void Type(const char* edit, const QString& text) {
        auto* field = Find<QLineEdit>(edit);
        field->clear();
        QTest::keyClicks(field, text);
    }
    void DoubleClickLine(const char* list, int row) {
        auto* box = Find<QListWidget>(list);
        QListWidgetItem* item = box->item(row);
        QVERIFY(item != nullptr);
        box->setCurrentItem(item);
        item->setSelected(true);
        emit box->itemDoubleClicked(item);
    }
    void SelectLine(const char* list, int row) {
        auto* box = Find<QListWidget>(list);
        box->setCurrentRow(row);
        box->item(row)->setSelected(true);
    }
    QStringList Lines(const char* list) {
        QStringList out;
        auto* box = Find<QListWidget>(list);
        for (int i = 0; i < box->count(); ++i) out << box->item(i)->text();
        return out;
    }
    void MakeSeraphOfBlandine() {
        ChooseText("cbCharacterConcept", QStringLiteral("Angel"));
        ChooseText("cbCelestialKind", QStringLiteral("Seraphim"));
        ChooseText("cbSuperior", QStringLiteral("Blandine"));
    }
    void SpendNineForces() {
        Type("edCorporealForces", QStringLiteral("2"));
        auto* groups = Find<TRadioGroup>("rgForces");
        const int spread[3] = {2, 3, 4};
        for (int g = 0; g < 3; ++g) {
            groups->SetItemIndex(g);
            if (g > 0) Type(g == 1 ? "edEtherealForces" : "edCelestialForces", QString::number(spread[g]));
            Type("edAttribute1", QString::number(2 * spread[g]));
            Type("edAttribute2", QString::number(2 * spread[g]));
        }
    }

private slots:
    void init() {
        dialogs = std::make_unique<TScriptedDialogs>();
        window = std::make_unique<TfrmCharacterCreation>(*dialogs);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        folder = std::make_unique<QTemporaryDir>();
    }
    void cleanup() {
        window.reset();
        dialogs.reset();
        folder.reset();
    }

    void windowShapeAndControls() {
        QCOMPARE(window->windowTitle(), QStringLiteral("Halvane Character Generator"));
        QCOMPARE(window->centralWidget()->size(), QSize(482, 335));
        QCOMPARE(Page(), StepConcept);
        QCOMPARE(Pages()->geometry(), QRect(5, 5, 473, 324));
        for (const char* name : {"tsConcept", "tsForcesAndCharacteristics", "tsAttunements", "tsSongs", "tsSkills",
                                 "tbVesselAndServant", "tsArtifacts", "tsDiscords"})
            QVERIFY2(window->findChild<QWidget*>(QString::fromLatin1(name)) != nullptr, name);
        for (int n = 1; n <= 7; ++n) {
            auto* next = window->findChild<QPushButton*>(QStringLiteral("btNext%1").arg(n));
            QVERIFY(next != nullptr);
            QCOMPARE(next->geometry(), QRect(384, 248, 75, 25));
            QCOMPARE(next->text(), QStringLiteral("&Next"));
        }
        QVERIFY(window->findChild<QPushButton*>(QStringLiteral("btNext8")) == nullptr);
        QCOMPARE(Find<QComboBox>("cbCharacterConcept")->count(), 9);
        QCOMPARE(Find<QComboBox>("cbCharacterConcept")->currentIndex(), -1);
        QVERIFY(Find<QLineEdit>("edMortalSuperior")->isHidden());
        struct Shortcut {
            const char* action;
            QKeySequence keys;
        };
        for (const Shortcut& s : {Shortcut{"miLoad", QKeySequence(Qt::SHIFT | Qt::Key_F1)},
                                  Shortcut{"miSave", QKeySequence(Qt::CTRL | Qt::Key_S)},
                                  Shortcut{"miPrint", QKeySequence(Qt::CTRL | Qt::Key_P)},
                                  Shortcut{"miQuit", QKeySequence(Qt::CTRL | Qt::Key_Q)}}) {
            auto* action = window->findChild<QAction*>(QString::fromLatin1(s.action));
            QVERIFY2(action != nullptr, s.action);
            QCOMPARE(action->shortcut(), s.keys);
            QVERIFY2(!action->icon().isNull(), s.action);
        }
        QVERIFY(window->findChild<QAction*>(QStringLiteral("miAbout")) != nullptr);
    }

    void conceptStepRefusesEveryWayOut() {
        ClickTab(StepSkills);
        Click("btNext1");
        QTest::keyClick(Pages()->Strip(), Qt::Key_Right);
        QTest::keyClick(window.get(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(dialogs->errors, QStringList(4, QStringLiteral("You must choose a character concept!")));
        QCOMPARE(Page(), StepConcept);

        dialogs->errors.clear();
        ChooseText("cbCharacterConcept", QStringLiteral("Angel"));
        ChooseText("cbCelestialKind", QStringLiteral("Seraphim"));
        Click("btNext1");
        QCOMPARE(dialogs->errors, QStringList{QStringLiteral("You must choose a superior!")});
        ChooseText("cbSuperior", QStringLiteral("Blandine"));
        ClickTab(StepSkills);  // steps may be skipped
        QCOMPARE(Page(), StepSkills);
        QCOMPARE(Record().ResourcePoints, 0);
    }

    void forcesQuestionsYesAndNo() {
        MakeSeraphOfBlandine();
        Click("btNext1");
        QCOMPARE(Page(), StepForces);
        Type("edCorporealForces", QStringLiteral("3"));
        dialogs->answers = {false};
        Click("btNext2");
        QCOMPARE(dialogs->questions, QStringList{ForcesQuestion});
        QCOMPARE(Page(), StepForces);

        dialogs->questions.clear();
        dialogs->answers = {true, false};
        ClickTab(StepSongs);
        QCOMPARE(dialogs->questions, (QStringList{ForcesQuestion, CharacteristicsQuestion}));
        QCOMPARE(Page(), StepForces);
        QCOMPARE(Record().ResourcePoints, 0);

        dialogs->questions.clear();
        dialogs->answers = {true, true};
        Click("btNext2");
        QCOMPARE(Page(), StepAttunements);
        QCOMPARE(Record().ResourcePoints, 12);
        QVERIFY(dialogs->errors.isEmpty());
    }

    void forcesPageFollowsTheRecord() {
        ChooseText("cbCharacterConcept", QStringLiteral("Soldier of God"));
        Click("btNext1");
        QCOMPARE(Find<QGroupBox>("gbForces")->title(), QStringLiteral("Forces: 6"));
        QCOMPARE(Find<QLabel>("lbBodyHits")->text(), QStringLiteral("Body Hits"));
        Type("edCorporealForces", QStringLiteral("2"));
        QCOMPARE(Find<QGroupBox>("gbForces")->title(), QStringLiteral("Forces: 4"));
        QCOMPARE(Find<QGroupBox>("gbCharacteristics")->title(), QStringLiteral("Characteristics: 8"));
        Type("edAttribute1", QStringLiteral("4"));
        QCOMPARE(Find<QLineEdit>("edBodyHits")->text(), QStringLiteral("16"));
        Type("edAttribute2", QStringLiteral("x"));
        QCOMPARE(Find<QLineEdit>("edAttribute2")->text(), QStringLiteral("0"));
        Type("edCorporealForces", QStringLiteral("abc"));
        QCOMPARE(Find<QLineEdit>("edCorporealForces")->text(), QStringLiteral("abc"));
        QCOMPARE(Record().CorporealForces.Forces, 0);

        Find<TRadioGroup>("rgForces")->SetItemIndex(1);
        QVERIFY(!Find<QLineEdit>("edEtherealForces")->isReadOnly());
        QVERIFY(Find<QLineEdit>("edCorporealForces")->isReadOnly());
        QCOMPARE(Find<QLabel>("lbAttribute1")->text(), QStringLiteral("Intelligence"));
        QCOMPARE(Find<QLabel>("lbAttribute2")->text(), QStringLiteral("Precision"));
    }

    void tabsFollowTheConcept() {
        ChooseText("cbCharacterConcept", QStringLiteral("Mundane"));
        for (int step : {StepAttunements, StepSongs, StepArtifacts}) QVERIFY(!Pages()->IsTabVisible(step));
        QVERIFY(Find<QLineEdit>("edMortalSuperior")->isVisibleTo(window.get()));
        QVERIFY(!Find<QComboBox>("cbCelestialKind")->isVisibleTo(window.get()));
        Click("btNext1");
        dialogs->answers = {true};
        Click("btNext2");
        QCOMPARE(Page(), StepSkills);
        ClickTab(StepConcept);
        ChooseText("cbCharacterConcept", QStringLiteral("Soldier of God"));
        QVERIFY(!Pages()->IsTabVisible(StepAttunements));
        QVERIFY(Pages()->IsTabVisible(StepSongs));
        Click("btNext1");
        dialogs->answers = {true};
        Click("btNext2");
        QCOMPARE(Page(), StepSongs);
        QCOMPARE(Find<TRadioGroup>("rgSongRealm")->Items(), QStringList{QStringLiteral("Corporeal")});
        QCOMPARE(Find<QComboBox>("cbAvailableSongs")->count(), 22);
        ClickTab(StepConcept);
        ChooseText("cbCharacterConcept", QStringLiteral("Angel"));
        for (int step : {StepAttunements, StepSongs, StepArtifacts}) QVERIFY(Pages()->IsTabVisible(step));
    }

    void attunementsPage() {
        MakeSeraphOfBlandine();
        ClickTab(StepAttunements);
        QCOMPARE(Lines("lbAttunements"), QStringList{QStringLiteral("Seraphim of Dreams")});
        QCOMPARE(Find<QComboBox>("cbChoirAttunements")->count(), 7);
        QCOMPARE(Find<QComboBox>("cbSuperior1")->currentText(), QStringLiteral("Blandine"));
        QCOMPARE(Find<QComboBox>("cbServitorAttunements")->count(), 2);

        Choose("cbChoirAttunements", 0);
        Click("btAddChoirAttunement");
        QCOMPARE(dialogs->errors, QStringList{QStringLiteral("You already have this choir attunement.")});
        Choose("cbChoirAttunements", 1);
        Click("btAddChoirAttunement");
        QCOMPARE(Find<QGroupBox>("gbAttunements")->title(), QStringLiteral("Resources: -5"));
        SelectLine("lbAttunements", 0);
        Click("btRemoveAttunement");
        QCOMPARE(dialogs->errors.last(), QStringLiteral("You cannot remove this attunement."));
        QCOMPARE(Record().Resources.Count(), 2);

        ChooseText("cbSuperior1", QStringLiteral("Gabriel"));
        QCOMPARE(Find<QComboBox>("cbServitorAttunements")->itemText(0), QStringLiteral("Dance of the Atoms"));
        Choose("cbServitorAttunements", 1);
        Click("btAddServitorAttunement");
        QCOMPARE(Lines("lbAttunements").last(), QStringLiteral("Smite"));
        QCOMPARE(Record().Superior()->Name, "Blandine");
        QCOMPARE(Find<QGroupBox>("gbSongs")->title(), QStringLiteral("Resources: -15"));  // every resources caption follows
    }

    void songsPage() {
        MakeSeraphOfBlandine();
        ClickTab(StepSongs);
        Find<TRadioGroup>("rgSongRealm")->SetItemIndex(2);
        QCOMPARE(Find<QComboBox>("cbAvailableSongs")->count(), 14);
        ChooseText("cbAvailableSongs", QStringLiteral("Celestial Song of Light"));
        Type("edSongLevel", QStringLiteral("0"));
        Click("btSongBuy");
        QCOMPARE(dialogs->errors, QStringList{QStringLiteral("The song level must be greater than 0.")});
        QCOMPARE(Record().Resources.Count(), 1);
        QCOMPARE(Find<QLineEdit>("edSongLevel")->text(), QStringLiteral("0"));  // inputs keep what was typed
        Type("edSongLevel", QStringLiteral("3"));
        Click("btSongBuy");
        QCOMPARE(Lines("lbSongs"), QStringList{QStringLiteral("Celestial Song of Light - Lvl: 3")});

        Find<TRadioGroup>("rgSongRealm")->SetItemIndex(0);
        DoubleClickLine("lbSongs", 0);
        QCOMPARE(Find<TRadioGroup>("rgSongRealm")->ItemIndex(), 2);
        QCOMPARE(Find<QComboBox>("cbAvailableSongs")->currentText(), QStringLiteral("Celestial Song of Light"));
        QCOMPARE(Find<QLineEdit>("edSongLevel")->text(), QStringLiteral("3"));
        Type("edSongLevel", QStringLiteral("5"));
        Click("btSongBuy");
        QCOMPARE(Lines("lbSongs"), QStringList{QStringLiteral("Celestial Song of Light - Lvl: 5")});
        SelectLine("lbSongs", 0);
        Click("btSongRemove");
        QVERIFY(Lines("lbSongs").isEmpty());
        QCOMPARE(Find<QGroupBox>("gbSongs")->title(), QStringLiteral("Resources: 0"));
    }

    void skillsPage() {
        ChooseText("cbCharacterConcept", QStringLiteral("Mundane"));
        ClickTab(StepSkills);
        ChooseText("cbAvailableSkills", QStringLiteral("Knowledge"));
        QVERIFY(Find<QLineEdit>("edSkillSpecification")->isVisibleTo(window.get()));
        QCOMPARE(Find<QLabel>("lbSkillAttribute2")->text(), QStringLiteral("Intelligence"));
        QCOMPARE(Find<QLabel>("lbSkillDefault2")->text(), QStringLiteral("-4"));
        Type("edSkillLevel", QStringLiteral("2"));
        Type("edSkillSpecification", QStringLiteral("   "));
        Click("btSkillBuy");
        QCOMPARE(dialogs->errors, QStringList{QStringLiteral("You must detail a specification for this skill.")});
        QCOMPARE(Record().Resources.Count(), 1);  // only the mortal vessel
        Type("edSkillSpecification", QStringLiteral(" History "));
        Click("btSkillBuy");
        ChooseText("cbAvailableSkills", QStringLiteral("Dodge"));
        QVERIFY(!Find<QLineEdit>("edSkillSpecification")->isVisibleTo(window.get()));
        Type("edSkillLevel", QStringLiteral("1"));
        Click("btSkillBuy");
        QCOMPARE(Lines("lbSkills"),
                 (QStringList{QStringLiteral("Knowledge (History) - Lvl: 2"), QStringLiteral("Dodge - Lvl: 1")}));
        QCOMPARE(Find<QGroupBox>("gbSkills")->title(), QStringLiteral("Resources: -3"));

        DoubleClickLine("lbSkills", 0);
        QCOMPARE(Find<QComboBox>("cbAvailableSkills")->currentText(), QStringLiteral("Knowledge"));
        QCOMPARE(Find<QLineEdit>("edSkillSpecification")->text(), QStringLiteral("History"));
        QCOMPARE(Find<QLineEdit>("edSkillLevel")->text(), QStringLiteral("2"));
        Type("edSkillLevel", QStringLiteral("4"));
        Click("btSkillBuy");
        QCOMPARE(Lines("lbSkills").first(), QStringLiteral("Knowledge (History) - Lvl: 4"));
        QCOMPARE(Lines("lbSkills").size(), 2);
    }

    void vesselsAndServantsPage() {
        MakeSeraphOfBlandine();
        ClickTab(StepVesselsAndServants);
        QCOMPARE(Find<QPushButton>("btVesselOrServantBuy")->text(), QStringLiteral("Buy Vessel"));
        Type("edVesselOrServantDescription", QStringLiteral("Car Thief"));
        Type("edVesselOrServantLevel", QStringLiteral("2"));
        Type("edVesselCharismaLevel", QStringLiteral("4"));
        Type("edVesselRoleLevel", QStringLiteral("3"));
        Type("edVesselStatus", QStringLiteral("1"));
        Click("btVesselOrServantBuy");
        QCOMPARE(dialogs->errors,
                 QStringList{QStringLiteral("You cannot take more than 3 and less than -2 points on charisma.")});
        QCOMPARE(Record().Resources.Count(), 1);
        Type("edVesselCharismaLevel", QStringLiteral("1"));
        Click("btVesselOrServantBuy");
        QCOMPARE(Lines("lbVessels"), QStringList{QStringLiteral("Car Thief - Lvl: 2 / Cha: 1 / Role: 3 / Status: 1")});
        QCOMPARE(Find<QGroupBox>("gbVesselsAndServants")->title(), QStringLiteral("Resources: -10"));

        Find<TRadioGroup>("rgVesselOrServant")->SetItemIndex(1);
        QCOMPARE(Find<QPushButton>("btVesselOrServantBuy")->text(), QStringLiteral("Buy Servant"));
        Type("edVesselOrServantDescription", QStringLiteral("Igor"));
        Type("edVesselOrServantLevel", QStringLiteral("3"));
        Click("btVesselOrServantBuy");
        QCOMPARE(dialogs->errors.last(), QStringLiteral("You must choose a servant class!"));
        Choose("cbServantClass", 2);
        Click("btVesselOrServantBuy");
        QCOMPARE(Lines("lbServants"), QStringList{QStringLiteral("Igor - Lvl: 3 / Cls: 3")});

        Find<TRadioGroup>("rgVesselOrServant")->SetItemIndex(0);
        DoubleClickLine("lbServants", 0);
        QCOMPARE(Find<TRadioGroup>("rgVesselOrServant")->ItemIndex(), 1);
        QCOMPARE(Find<QLineEdit>("edVesselOrServantDescription")->text(), QStringLiteral("Igor"));
        QCOMPARE(Find<QComboBox>("cbServantClass")->currentIndex(), 2);
        DoubleClickLine("lbVessels", 0);
        QCOMPARE(Find<TRadioGroup>("rgVesselOrServant")->ItemIndex(), 0);
        QCOMPARE(Find<QLineEdit>("edVesselRoleLevel")->text(), QStringLiteral("3"));
        SelectLine("lbVessels", 0);
        Click("btVesselOrServantRemove");
        QVERIFY(Lines("lbVessels").isEmpty());
    }

    void mortalVesselIsAlteredNotBought() {
        ChooseText("cbCharacterConcept", QStringLiteral("Soldier of God"));
        ClickTab(StepVesselsAndServants);
        QCOMPARE(Find<QPushButton>("btVesselOrServantBuy")->text(), QStringLiteral("Alter Vessel"));
        QVERIFY(Find<QLineEdit>("edVesselOrServantDescription")->isReadOnly());
        QCOMPARE(Find<QLineEdit>("edVesselOrServantDescription")->text(), QStringLiteral("Mortal Vessel"));
        QVERIFY(!Find<QPushButton>("btVesselOrServantRemove")->isVisibleTo(window.get()));
        QVERIFY(!Find<QLineEdit>("edVesselRoleLevel")->isVisibleTo(window.get()));
        Type("edVesselCharismaLevel", QStringLiteral("2"));
        Type("edVesselStatus", QStringLiteral("1"));
        Click("btVesselOrServantBuy");
        QCOMPARE(Lines("lbVessels"), QStringList{QStringLiteral("Mortal Vessel - Lvl: 0 / Cha: 2 / Role: 1 / Status: 1")});
        QCOMPARE(Find<QGroupBox>("gbVesselsAndServants")->title(), QStringLiteral("Resources: -6"));
    }

    void artifactsPage() {
        MakeSeraphOfBlandine();
        ClickTab(StepArtifacts);
        auto* realms = Find<QTabWidget>("pcArtifactRealm");
        QCOMPARE(realms->currentIndex(), 0);
        realms->setCurrentIndex(1);
        Type("edEtherealArtifactDescription", QStringLiteral("Pen"));
        Type("edEtherealArtifactLevel", QStringLiteral("1"));
        Click("btArtifactBuy");
        QCOMPARE(dialogs->errors, QStringList{QStringLiteral("You must choose a skill.")});
        QCOMPARE(Find<QLineEdit>("edEtherealArtifactDescription")->text(), QStringLiteral("Pen"));

        realms->setCurrentIndex(2);  // a switch by the user empties every editor
        QVERIFY(Find<QLineEdit>("edEtherealArtifactDescription")->text().isEmpty());
        auto* reliquary = Find<QCheckBox>("cbCelestialArtifactReliquary");
        auto* drawn = Find<QCheckBox>("cbCelestialArtifactCanBeDrawned");
        QVERIFY(!drawn->isEnabled());
        Type("edCelestialArtifactDescription", QStringLiteral("Relic"));
        Type("edCelestialArtifactLevel", QStringLiteral("2"));
        Choose("cbCelestialArtifactSong", 4);  // Ethereal Song of Charm
        reliquary->setChecked(true);
        QVERIFY(drawn->isEnabled());
        drawn->setChecked(true);
        Click("btArtifactBuy");
        QCOMPARE(Lines("lbArtifacts"), QStringList{QStringLiteral("Relic (Celestial Artifact) - Lvl: 2")});
        QCOMPARE(Find<QGroupBox>("gbArtifacts")->title(), QStringLiteral("Resources: -12"));
        reliquary->setChecked(false);
        QVERIFY(!drawn->isChecked() && !drawn->isEnabled());

        realms->setCurrentIndex(0);
        DoubleClickLine("lbArtifacts", 0);
        QCOMPARE(realms->currentIndex(), 2);
        QCOMPARE(Find<QComboBox>("cbCelestialArtifactSong")->currentIndex(), 4);
        QVERIFY(reliquary->isChecked() && drawn->isChecked());
        QCOMPARE(Find<QLineEdit>("edCelestialArtifactDescription")->text(), QStringLiteral("Relic"));
    }

    void discordsPage() {
        MakeSeraphOfBlandine();
        ClickTab(StepDiscords);
        QCOMPARE(Find<QComboBox>("cbAvailableDiscords")->count(), 10);
        Find<TRadioGroup>("rgDiscordRealm")->SetItemIndex(1);
        QCOMPARE(Find<QComboBox>("cbAvailableDiscords")->count(), 8);
        ChooseText("cbAvailableDiscords", QStringLiteral("Fear"));
        QVERIFY(Find<QLineEdit>("edDiscordSpecification")->isVisibleTo(window.get()));
        Type("edDiscordLevel", QStringLiteral("7"));
        Type("edDiscordSpecification", QStringLiteral("Heights"));
        Click("btDiscordBuy");
        QCOMPARE(dialogs->errors,
                 QStringList{QStringLiteral("The discord level must be greater than 0 and lesser than 6 (included).")});
        Type("edDiscordLevel", QStringLiteral("2"));
        Click("btDiscordBuy");
        QCOMPARE(Lines("lbDiscords"), QStringList{QStringLiteral("Fear (Heights) - Lvl: 2")});
        QCOMPARE(Find<QGroupBox>("gbDiscords")->title(), QStringLiteral("Resources: 6"));

        Find<TRadioGroup>("rgDiscordRealm")->SetItemIndex(0);
        DoubleClickLine("lbDiscords", 0);
        QCOMPARE(Find<TRadioGroup>("rgDiscordRealm")->ItemIndex(), 1);
        QCOMPARE(Find<QComboBox>("cbAvailableDiscords")->currentText(), QStringLiteral("Fear"));
        QCOMPARE(Find<QLineEdit>("edDiscordSpecification")->text(), QStringLiteral("Heights"));
        QCOMPARE(Find<QLineEdit>("edDiscordLevel")->text(), QStringLiteral("2"));

        ClickTab(StepSkills);
        ClickTab(StepDiscords);
        QCOMPARE(Find<TRadioGroup>("rgDiscordRealm")->ItemIndex(), 1);  // the realm stays between visits
    }

    void loadCancelledFailedAndSucceeded() {
        MakeSeraphOfBlandine();
        ClickTab(StepSkills);
        window->findChild<QAction*>(QStringLiteral("miLoad"))->trigger();  // cancelled
        QCOMPARE(dialogs->lastOpenSpec.Title, QStringLiteral("Load your character sheet..."));
        QVERIFY(dialogs->lastOpenSpec.Filter.contains(QStringLiteral("*.hcs")));
        QCOMPARE(Page(), StepConcept);
        QCOMPARE(Record().Superior()->Name, "Blandine");

        ClickTab(StepSkills);
        const QString broken = folder->filePath(QStringLiteral("broken.hcs"));
        QFile file(broken);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<?xml version=\"1.0\"?><Character concept=\"zero\"/>");
        file.close();
        const THalvaneCharacter* before = &Record();
        dialogs->nextOpenFile = broken;
        window->findChild<QAction*>(QStringLiteral("miLoad"))->trigger();
        QCOMPARE(dialogs->errors.size(), 1);
        QVERIFY2(dialogs->errors.first().contains(QStringLiteral("broken.hcs")), qPrintable(dialogs->errors.first()));
        QVERIFY(dialogs->informations.isEmpty());
        QCOMPARE(&Record(), before);
        QCOMPARE(Page(), StepSkills);

        dialogs->nextOpenFile = QStringLiteral(HALVANE_TEST_DATA_DIR "/sample/nathaniel.hcs");
        window->findChild<QAction*>(QStringLiteral("miLoad"))->trigger();
        QCOMPARE(dialogs->informations, QStringList{QStringLiteral("File loaded sucessfully!")});
        QCOMPARE(Page(), StepConcept);
        QCOMPARE(Find<QLineEdit>("edName")->text(), QStringLiteral("Nathaniel"));
        QCOMPARE(Find<QComboBox>("cbSuperior")->currentText(), QStringLiteral("Blandine"));
        QCOMPARE(Record().Name, "Nathaniel");
    }

    void saveAddsTheExtension() {
        MakeSeraphOfBlandine();
        const QString bare = folder->filePath(QStringLiteral("angel"));
        dialogs->nextSaveFile = bare;
        window->findChild<QAction*>(QStringLiteral("miSave"))->trigger();
        QCOMPARE(dialogs->lastSaveSpec.Title, QStringLiteral("Save you character sheet..."));
        QCOMPARE(dialogs->informations, QStringList{QStringLiteral("File saved sucessfully!")});
        QVERIFY(QFile::exists(bare + QStringLiteral(".hcs")));
        QVERIFY(!QFile::exists(bare));

        dialogs->informations.clear();
        window->findChild<QAction*>(QStringLiteral("miSave"))->trigger();  // cancelled
        QVERIFY(dialogs->informations.isEmpty());
        QVERIFY(dialogs->errors.isEmpty());
    }

    void printNeedsAConceptAndOpensOnePreview() {
        window->findChild<QAction*>(QStringLiteral("miPrint"))->trigger();
        QCOMPARE(dialogs->errors,
                 QStringList{QStringLiteral("You must choose a concept before printing the character sheet.")});
        QCOMPARE(dialogs->previewsOpened, 0);
        ChooseText("cbCharacterConcept", QStringLiteral("Undead"));
        window->findChild<QAction*>(QStringLiteral("miPrint"))->trigger();
        window->findChild<QAction*>(QStringLiteral("miPrint"))->trigger();
        QCOMPARE(dialogs->previewsOpened, 1);  // a second Print brings the open preview forward
        QVERIFY(dialogs->sheet != nullptr);
        QCOMPARE(dialogs->sheet->Content().CelestialTypeImage, TSheetPicture::Demon);
        dialogs->preview.reset();  // closed by the user
        window->findChild<QAction*>(QStringLiteral("miPrint"))->trigger();
        QCOMPARE(dialogs->previewsOpened, 2);
    }

    void aboutGoesThroughTheSeam() {
        window->findChild<QAction*>(QStringLiteral("miAbout"))->trigger();
        QCOMPARE(dialogs->aboutsShown, 1);
        TfrmAbout about;
        QCOMPARE(about.windowTitle(), QStringLiteral("About"));
        QCOMPARE(about.size(), QSize(468, 311));
        for (const char* memo : {"mmAbout", "mmObservation"}) {
            auto* text = about.findChild<QPlainTextEdit*>(QString::fromLatin1(memo));
            QVERIFY(text != nullptr);
            QVERIFY(text->isReadOnly());
            const QString before = text->toPlainText();
            QTest::keyClicks(text, QStringLiteral("typed"));
            QCOMPARE(text->toPlainText(), before);
        }
        QVERIFY(about.findChild<QPlainTextEdit*>(QStringLiteral("mmObservation"))->toPlainText().startsWith(
            QStringLiteral("(*) - ")));
    }

    void roadOfOneCharacter() {
        MakeSeraphOfBlandine();
        Type("edName", QStringLiteral("Nathaniel"));
        Type("edWord", QStringLiteral("Lucid Dreams"));
        Click("btNext1");
        SpendNineForces();
        QCOMPARE(Find<QGroupBox>("gbForces")->title(), QStringLiteral("Forces: 0"));
        Click("btNext2");
        QVERIFY(dialogs->questions.isEmpty());
        QCOMPARE(Find<QGroupBox>("gbAttunements")->title(), QStringLiteral("Resources: 36"));
        ClickTab(StepSkills);
        ChooseText("cbAvailableSkills", QStringLiteral("Knowledge"));
        Type("edSkillSpecification", QStringLiteral("Dream lore"));
        Type("edSkillLevel", QStringLiteral("2"));
        Click("btSkillBuy");
        QCOMPARE(Find<QGroupBox>("gbDiscords")->title(), QStringLiteral("Resources: 34"));

        const QString file = folder->filePath(QStringLiteral("nathaniel.hcs"));
        dialogs->nextSaveFile = file;
        window->findChild<QAction*>(QStringLiteral("miSave"))->trigger();
        dialogs->nextOpenFile = file;
        window->findChild<QAction*>(QStringLiteral("miLoad"))->trigger();
        QCOMPARE(dialogs->informations,
                 (QStringList{QStringLiteral("File saved sucessfully!"), QStringLiteral("File loaded sucessfully!")}));
        QVERIFY(dialogs->errors.isEmpty());
        QCOMPARE(Record().Name, "Nathaniel");
        QCOMPARE(window->Rules().RemainingResourcePoints(), 34);
        ClickTab(StepSkills);
        QCOMPARE(Lines("lbSkills"), QStringList{QStringLiteral("Knowledge (Dream lore) - Lvl: 2")});

        window->findChild<QAction*>(QStringLiteral("miPrint"))->trigger();
        QVERIFY(dialogs->sheet != nullptr);
        const auto* field = dialogs->sheet->Element(QStringLiteral("qrlNameField"));
        QVERIFY(field != nullptr);
        QCOMPARE(field->Text, QStringLiteral("Nathaniel"));
        QCOMPARE(dialogs->sheet->Element(QStringLiteral("qrmEtherealTraits"))->Lines,
                 QStringList{QStringLiteral("Knowledge (Int), lvl 2")});
        QCOMPARE(dialogs->sheet->Element(QStringLiteral("qrlEssencePointsField"))->Text, QStringLiteral("9"));
    }

    void quitClosesAtOnce() {
        MakeSeraphOfBlandine();
        window->findChild<QAction*>(QStringLiteral("miQuit"))->trigger();
        QVERIFY(!window->isVisible());
        QVERIFY(dialogs->questions.isEmpty());
    }
};

QTEST_MAIN(TestWizardWindow)
#include "test_wizard_window.moc"
