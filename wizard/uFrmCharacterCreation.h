#pragma once
// The main window: the eight-step creation wizard and its menu. It binds its
// controls to the creation rules, shows their messages and asks their
// questions; it keeps no character data of its own.

#include "uCreationRules.h"
#include "uDialogs.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace halvane {

class TPageControl;
class TRadioGroup;

class TfrmCharacterCreation : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmCharacterCreation(IDialogs& dialogs, QWidget* parent = nullptr);
    ~TfrmCharacterCreation() override;

    TCreationRules& Rules() noexcept { return *rules_; }
    TPageControl* PageControl() const noexcept { return pcCharacterCreationSteps; }
    // The preview of the last Print while it is open.
    QWidget* PrintPreview() const noexcept { return preview_.data(); }

public slots:
    // Shell.
    bool pcCharacterCreationStepsChanging(int from, int to);
    void btNextClick();
    void miLoadClick();
    void miSaveClick();
    void miPrintClick();
    void miQuitClick();
    void miAboutClick();
    void RefreshResourcePoints();

    // Concept.
    void tsConceptShow();
    void cbCharacterConceptChange(int index);
    void cbCelestialKindChange(int index);
    void cbSuperiorChange(int index);
    void edNameChange(const QString& text);
    void edWordChange(const QString& text);
    void edMortalSuperiorChange(const QString& text);

    // Forces and characteristics.
    void tsForcesAndCharacteristicsShow();
    void rgForcesClick();
    void edForcesChange();
    void edAttributeChange();

    // Attunements.
    void tsAttunementsShow();
    void cbSuperior1Change(int index);
    void btAddChoirAttunementClick();
    void btAddServitorAttunementClick();
    void btRemoveAttunementClick();

    // Songs.
    void tsSongsShow();
    void rgSongRealmClick();
    void cbAvailableSongsChange();
    void btSongBuyClick();
    void btSongRemoveClick();
    void lbSongsDblClick();

    // Skills.
    void tsSkillsShow();
    void cbAvailableSkillsChange();
    void btSkillBuyClick();
    void btSkillRemoveClick();
    void lbSkillsDblClick();

    // Vessels and servants.
    void tbVesselAndServantShow();
    void rgVesselOrServantClick();
    void btVesselOrServantBuyClick();
    void btVesselOrServantRemoveClick();
    void lbVesselsDblClick();
    void lbServantsDblClick();

    // Artifacts.
    void tsArtifactsShow();
    void pcArtifactRealmChange(int index);
    void cbCelestialArtifactReliquaryClick();
    void btArtifactBuyClick();
    void btArtifactRemoveClick();
    void lbArtifactsDblClick();

    // Discords.
    void tsDiscordsShow();
    void rgDiscordRealmClick();
    void cbAvailableDiscordsChange();
    void btDiscordBuyClick();
    void btDiscordRemoveClick();
    void lbDiscordsDblClick();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void BuildMenu();
    void BuildConceptPage(QWidget* page);
    void BuildForcesPage(QWidget* page);
    void BuildAttunementsPage(QWidget* page);
    void BuildSongsPage(QWidget* page);
    void BuildSkillsPage(QWidget* page);
    void BuildVesselsPage(QWidget* page);
    void BuildArtifactsPage(QWidget* page);
    void BuildDiscordsPage(QWidget* page);
    QPushButton* AddNextButton(QWidget* page, int number);
    void PageShown(int index);

    void FillSuperiorList(QComboBox* list);
    void ApplyConceptLayout();
    void RefreshForces();
    void RefreshCharacteristics();
    void RefreshHits(int group);
    void FillServitorList();
    void FillAttunementList();
    void FillSongList();
    void FillSkillList();
    void FillVesselLists();
    void FillArtifactList();
    void FillDiscordList();
    void ClearArtifactInputs();
    // Removes the resource of the list's selected entry and refreshes the
    // points; false when no entry is selected.
    bool RemoveSelectedResource(QListWidget* list);
    int SelectedForcesGroup() const;

    // Runs a command and shows anything it throws in an error box.
    template <class F>
    void Guarded(F&& command);
    void ShowRefusal(const std::string& message);

    IDialogs& dialogs_;
    std::unique_ptr<TCreationRules> rules_;
    QPointer<QWidget> preview_;
    bool filling_ = false;           // page filling in progress
    bool programArtifactPage_ = false;

    // Shell.
    TPageControl* pcCharacterCreationSteps = nullptr;
    QWidget* tsConcept = nullptr;
    QWidget* tsForcesAndCharacteristics = nullptr;
    QWidget* tsAttunements = nullptr;
    QWidget* tsSongs = nullptr;
    QWidget* tsSkills = nullptr;
    QWidget* tbVesselAndServant = nullptr;
    QWidget* tsArtifacts = nullptr;
    QWidget* tsDiscords = nullptr;
    QMenu* miFile = nullptr;
    QAction* miLoad = nullptr;
    QAction* miSave = nullptr;
    QAction* miPrint = nullptr;
    QAction* miQuit = nullptr;
    QAction* miAbout = nullptr;

    // Concept.
    QComboBox* cbCharacterConcept = nullptr;
    QPlainTextEdit* mmBriefDescription = nullptr;
    QLineEdit* edName = nullptr;
    QLabel* lbKind = nullptr;
    QComboBox* cbCelestialKind = nullptr;
    QLabel* lbWord = nullptr;
    QLineEdit* edWord = nullptr;
    QLabel* lbSuperior = nullptr;
    QComboBox* cbSuperior = nullptr;
    QLabel* lbMortalSuperior = nullptr;
    QLineEdit* edMortalSuperior = nullptr;

    // Forces.
    QGroupBox* gbForces = nullptr;
    TRadioGroup* rgForces = nullptr;
    QLineEdit* edForces[3] = {};
    QGroupBox* gbCharacteristics = nullptr;
    QLabel* lbAttribute1 = nullptr;
    QLabel* lbAttribute2 = nullptr;
    QLineEdit* edAttribute1 = nullptr;
    QLineEdit* edAttribute2 = nullptr;
    QLabel* lbBodyHits = nullptr;
    QLineEdit* edBodyHits = nullptr;
    QLineEdit* edMindHits = nullptr;
    QLineEdit* edSoulHits = nullptr;

    // Attunements.
    QGroupBox* gbAttunements = nullptr;
    QComboBox* cbChoirAttunements = nullptr;
    QListWidget* lbAttunements = nullptr;
    QComboBox* cbSuperior1 = nullptr;
    QComboBox* cbServitorAttunements = nullptr;

    // Songs.
    QGroupBox* gbSongs = nullptr;
    QListWidget* lbSongs = nullptr;
    QComboBox* cbAvailableSongs = nullptr;
    TRadioGroup* rgSongRealm = nullptr;
    QLineEdit* edSongLevel = nullptr;

    // Skills.
    QGroupBox* gbSkills = nullptr;
    QListWidget* lbSkills = nullptr;
    QComboBox* cbAvailableSkills = nullptr;
    QLabel* lbSkillSpecification = nullptr;
    QLineEdit* edSkillSpecification = nullptr;
    QLabel* lbSkillAttribute2 = nullptr;
    QLabel* lbSkillDefault2 = nullptr;
    QLineEdit* edSkillLevel = nullptr;

    // Vessels and servants.
    QGroupBox* gbVesselsAndServants = nullptr;
    QListWidget* lbVessels = nullptr;
    QListWidget* lbServants = nullptr;
    TRadioGroup* rgVesselOrServant = nullptr;
    QLineEdit* edVesselOrServantDescription = nullptr;
    QLabel* lbVesselOrServantLevel = nullptr;
    QLineEdit* edVesselOrServantLevel = nullptr;
    QLabel* lbVesselCharismaLevel = nullptr;
    QLineEdit* edVesselCharismaLevel = nullptr;
    QLabel* lbServantClass = nullptr;
    QComboBox* cbServantClass = nullptr;
    QLabel* lbVesselRoleLevel = nullptr;
    QLineEdit* edVesselRoleLevel = nullptr;
    QLabel* lbVesselStatus = nullptr;
    QLineEdit* edVesselStatus = nullptr;
    QPushButton* btVesselOrServantBuy = nullptr;
    QPushButton* btVesselOrServantRemove = nullptr;

    // Artifacts.
    QGroupBox* gbArtifacts = nullptr;
    QListWidget* lbArtifacts = nullptr;
    QTabWidget* pcArtifactRealm = nullptr;
    QLineEdit* edArtifactDescription[3] = {};
    QLineEdit* edArtifactLevel[3] = {};
    QComboBox* cbEtherealArtifactSkill = nullptr;
    QComboBox* cbCelestialArtifactSong = nullptr;
    QCheckBox* cbCelestialArtifactReliquary = nullptr;
    QCheckBox* cbCelestialArtifactCanBeDrawned = nullptr;

    // Discords.
    QGroupBox* gbDiscords = nullptr;
    QListWidget* lbDiscords = nullptr;
    QComboBox* cbAvailableDiscords = nullptr;
    QLabel* lbDiscordSpecification = nullptr;
    QLineEdit* edDiscordSpecification = nullptr;
    TRadioGroup* rgDiscordRealm = nullptr;
    QLineEdit* edDiscordLevel = nullptr;
};

} // namespace halvane
