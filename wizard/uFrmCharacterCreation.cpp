#include "uFrmCharacterCreation.h"

#include "uArtwork.h"
#include "uFrmCharacterSheet.h"
#include "uHalvaneXMLDAO.h"
#include "uWidgets.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QTabWidget>

#include <exception>

namespace halvane {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }
QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
std::string S(const QString& text) { return text.toStdString(); }

template <class W>
W* Make(QWidget* parent, const char* name) {
    auto* widget = new W(parent);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLabel* Label(QWidget* parent, const char* name, const QString& text, int x, int y) {
    auto* label = Make<QLabel>(parent, name);
    label->setText(text);
    label->move(x, y);
    label->adjustSize();
    return label;
}

QLineEdit* Edit(QWidget* parent, const char* name, int x, int y, int width) {
    auto* edit = Make<QLineEdit>(parent, name);
    edit->setGeometry(x, y, width, 21);
    return edit;
}

QComboBox* DropDown(QWidget* parent, const char* name, int x, int y, int width) {
    auto* list = Make<QComboBox>(parent, name);
    list->setEditable(false);
    list->setGeometry(x, y, width, 21);
    return list;
}

QPushButton* Button(QWidget* parent, const char* name, const QString& caption, int x, int y, int w, int h) {
    auto* button = Make<QPushButton>(parent, name);
    button->setText(caption);
    button->setGeometry(x, y, w, h);
    return button;
}

QGroupBox* Group(QWidget* parent, const char* name, const QString& caption, int x, int y, int w, int h) {
    auto* box = Make<QGroupBox>(parent, name);
    box->setTitle(caption);
    box->setGeometry(x, y, w, h);
    return box;
}

QListWidget* ListBox(QWidget* parent, const char* name, int x, int y, int w, int h) {
    auto* list = Make<QListWidget>(parent, name);
    list->setGeometry(x, y, w, h);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

TRadioGroup* RadioGroup(QWidget* parent, const char* name, const QString& caption, const QStringList& items,
                        int columns, int x, int y, int w, int h) {
    auto* group = Make<TRadioGroup>(parent, name);
    group->setTitle(caption);
    group->setGeometry(x, y, w, h);
    group->SetColumns(columns);
    group->SetItems(items);
    return group;
}

QStringList Texts(const std::vector<std::string>& texts) {
    QStringList out;
    for (const std::string& t : texts) out << Q(t);
    return out;
}

QStringList RealmItems() { return {Q(Realms[0]), Q(Realms[1]), Q(Realms[2])}; }

// Each list entry carries the resource it shows.
template <class R>
void FillList(QListWidget* list, const std::vector<TOwnedLine<R>>& lines) {
    list->clear();
    for (const TOwnedLine<R>& line : lines) {
        auto* item = new QListWidgetItem(Q(line.Text), list);
        item->setData(Qt::UserRole, QVariant::fromValue(reinterpret_cast<quintptr>(line.Resource)));
    }
}

// The resource of the selected entry, if it is still one of the record's.
template <class R>
R* Selected(QListWidget* list, const THalvaneCharacter& character) {
    const QList<QListWidgetItem*> items = list->selectedItems();
    if (items.isEmpty()) return nullptr;
    auto* resource = reinterpret_cast<TResource*>(items.front()->data(Qt::UserRole).value<quintptr>());
    if (character.Resources.IndexOf(resource) < 0) return nullptr;
    return dynamic_cast<R*>(resource);
}

std::optional<std::int32_t> Chosen(const QComboBox* list) {
    if (list->currentIndex() < 0) return std::nullopt;
    return list->currentIndex();
}

void SetShown(std::initializer_list<QWidget*> widgets, bool shown) {
    for (QWidget* w : widgets) w->setVisible(shown);
}

// The realm tabs of the artifact editor with less padding around their captions.
class TCompactTabStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        if (metric == PM_TabBarTabHSpace) return 10;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

QString ResourcesCaption(std::int64_t points) { return QStringLiteral("Resources: %1").arg(points); }

const TFileDialogSpec LoadDialog{QStringLiteral("Load your character sheet..."),
                                 QStringLiteral("Halvane characters (*.hcs)"), QStringLiteral("hcs")};
const TFileDialogSpec SaveDialog{QStringLiteral("Save you character sheet..."),
                                 QStringLiteral("Halvane characters (*.hcs)"), QStringLiteral("hcs")};

} // namespace

// ------------------------------------------------------------------ shell

TfrmCharacterCreation::TfrmCharacterCreation(IDialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs) {
    FormCreate();
}

// The preview belongs to whoever opened it (a child window of this one in
// the program), so it is not released here.
TfrmCharacterCreation::~TfrmCharacterCreation() = default;

template <class F>
void TfrmCharacterCreation::Guarded(F&& command) {
    try {
        command();
    } catch (const std::exception& error) {
        dialogs_.ShowError(this, QString::fromUtf8(error.what()));
    } catch (...) {
        dialogs_.ShowError(this, QStringLiteral("An unexpected error occurred."));
    }
}

void TfrmCharacterCreation::ShowRefusal(const std::string& message) {
    if (!message.empty()) dialogs_.ShowError(this, Q(message));
}

void TfrmCharacterCreation::FormCreate() {
    setObjectName(QStringLiteral("frmCharacterCreation"));
    setWindowTitle(QStringLiteral("Halvane Character Generator"));
    QFont font(QFontDatabase::families().contains(QStringLiteral("MS Sans Serif")) ? QStringLiteral("MS Sans Serif")
                                                                                   : QStringLiteral("Liberation Sans"));
    font.setPointSize(8);
    setFont(font);

    rules_ = std::make_unique<TCreationRules>();

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("clientArea"));
    client->setFixedSize(482, 335);
    setCentralWidget(client);

    pcCharacterCreationSteps = Make<TPageControl>(client, "pcCharacterCreationSteps");
    pcCharacterCreationSteps->setGeometry(5, 5, 473, 324);
    QWidget** pages[8] = {&tsConcept, &tsForcesAndCharacteristics, &tsAttunements, &tsSongs,
                          &tsSkills,  &tbVesselAndServant,         &tsArtifacts,   &tsDiscords};
    for (std::size_t i = 0; i < 8; ++i) {
        auto* page = new QWidget;
        page->setObjectName(Q(Steps[i].Page));
        *pages[i] = page;
        pcCharacterCreationSteps->AddPage(page, Q(Steps[i].Caption));
        switch (i) {
        case StepConcept: BuildConceptPage(page); break;
        case StepForces: BuildForcesPage(page); break;
        case StepAttunements: BuildAttunementsPage(page); break;
        case StepSongs: BuildSongsPage(page); break;
        case StepSkills: BuildSkillsPage(page); break;
        case StepVesselsAndServants: BuildVesselsPage(page); break;
        case StepArtifacts: BuildArtifactsPage(page); break;
        default: BuildDiscordsPage(page); break;
        }
        if (!Steps[i].NextButton.empty()) AddNextButton(page, static_cast<int>(i) + 1);
    }
    pcCharacterCreationSteps->Changing = [this](int from, int to) { return pcCharacterCreationStepsChanging(from, to); };
    connect(pcCharacterCreationSteps, &TPageControl::CurrentChanged, this, &TfrmCharacterCreation::PageShown);

    BuildMenu();
    setFixedSize(482, 335 + menuBar()->sizeHint().height());

    pcCharacterCreationSteps->SetCurrentIndex(StepConcept);
    Guarded([this] { tsConceptShow(); });
}

void TfrmCharacterCreation::BuildMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu"));
    miFile = bar->addMenu(QStringLiteral("&File"));
    miFile->setObjectName(QStringLiteral("miFile"));
    auto item = [this](const char* name, const QString& caption, const QKeySequence& shortcut, const char* picture,
                       void (TfrmCharacterCreation::*handler)()) {
        QAction* action = miFile->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
        action->setIcon(QIcon(QString::fromLatin1(picture)));
        connect(action, &QAction::triggered, this, handler);
        addAction(action);  // shortcuts work while the menu is closed
        return action;
    };
    miLoad = item("miLoad", QStringLiteral("&Load"), QKeySequence(Qt::SHIFT | Qt::Key_F1), artwork::MenuLoad,
                  &TfrmCharacterCreation::miLoadClick);
    miSave = item("miSave", QStringLiteral("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S), artwork::MenuSave,
                  &TfrmCharacterCreation::miSaveClick);
    miPrint = item("miPrint", QStringLiteral("&Print"), QKeySequence(Qt::CTRL | Qt::Key_P), artwork::MenuPrint,
                   &TfrmCharacterCreation::miPrintClick);
    miQuit = item("miQuit", QStringLiteral("&Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q), artwork::MenuQuit,
                  &TfrmCharacterCreation::miQuitClick);
    // Ctrl+Tab reaches the pages from wherever the focus is, through the same check as a tab click.
    auto* nextPage = new QAction(this);
    nextPage->setObjectName(QStringLiteral("actNextPage"));
    nextPage->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab));
    connect(nextPage, &QAction::triggered, this, [this] { pcCharacterCreationSteps->SelectNextPage(); });
    addAction(nextPage);
    auto* previousPage = new QAction(this);
    previousPage->setObjectName(QStringLiteral("actPreviousPage"));
    previousPage->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab)});
    connect(previousPage, &QAction::triggered, this, [this] { pcCharacterCreationSteps->SelectPreviousPage(); });
    addAction(previousPage);

    miAbout = bar->addAction(QStringLiteral("&About"));
    miAbout->setObjectName(QStringLiteral("miAbout"));
    connect(miAbout, &QAction::triggered, this, &TfrmCharacterCreation::miAboutClick);
}

QPushButton* TfrmCharacterCreation::AddNextButton(QWidget* page, int number) {
    const QByteArray name = "btNext" + QByteArray::number(number);
    auto* button = Button(page, name.constData(), QStringLiteral("&Next"), 384, 248, 75, 25);
    button->setIcon(QIcon(QString::fromLatin1(artwork::NextArrow)));
    button->setIconSize(QSize(16, 16));
    button->setLayoutDirection(Qt::RightToLeft);  // the arrow stands right of the caption
    connect(button, &QPushButton::clicked, this, &TfrmCharacterCreation::btNextClick);
    return button;
}

void TfrmCharacterCreation::PageShown(int index) {
    Guarded([this, index] {
        switch (index) {
        case StepConcept: tsConceptShow(); break;
        case StepForces: tsForcesAndCharacteristicsShow(); break;
        case StepAttunements: tsAttunementsShow(); break;
        case StepSongs: tsSongsShow(); break;
        case StepSkills: tsSkillsShow(); break;
        case StepVesselsAndServants: tbVesselAndServantShow(); break;
        case StepArtifacts: tsArtifactsShow(); break;
        case StepDiscords: tsDiscordsShow(); break;
        default: break;
        }
    });
}

bool TfrmCharacterCreation::pcCharacterCreationStepsChanging(int from, int) {
    bool allowed = false;
    Guarded([&] {
        const TLeaveResult result =
            rules_->CanLeaveStep(from, [this](const std::string& question) { return dialogs_.AskYesNo(this, Q(question)); });
        if (!result.Allowed) ShowRefusal(result.Error);
        allowed = result.Allowed;
    });
    return allowed;
}

void TfrmCharacterCreation::btNextClick() { pcCharacterCreationSteps->SelectNextPage(); }

void TfrmCharacterCreation::miQuitClick() { close(); }

void TfrmCharacterCreation::closeEvent(QCloseEvent* event) {
    if (preview_) preview_->close();
    event->accept();
}

void TfrmCharacterCreation::miLoadClick() {
    Guarded([this] {
        const QString file = dialogs_.OpenFileName(this, LoadDialog);
        if (!file.isEmpty()) {
            THalvaneXMLDAO store;
            store.FileName = S(file);
            rules_->ReplaceCharacter(store.Load());
            dialogs_.ShowInformation(this, QStringLiteral("File loaded sucessfully!"));
        }
        if (pcCharacterCreationSteps->CurrentIndex() != StepConcept)
            pcCharacterCreationSteps->SetCurrentIndex(StepConcept);
        else
            tsConceptShow();
    });
}

void TfrmCharacterCreation::miSaveClick() {
    Guarded([this] {
        QString file = dialogs_.SaveFileName(this, SaveDialog);
        if (file.isEmpty()) return;
        // Not every file dialog adds the extension to a bare name.
        if (QFileInfo(file).suffix().isEmpty()) file += QStringLiteral(".hcs");
        THalvaneXMLDAO store;
        store.FileName = S(file);
        store.Save(rules_->Character());
        dialogs_.ShowInformation(this, QStringLiteral("File saved sucessfully!"));
    });
}

void TfrmCharacterCreation::miPrintClick() {
    Guarded([this] {
        if (!rules_->Character().Concept) {
            dialogs_.ShowError(this, QStringLiteral("You must choose a concept before printing the character sheet."));
            return;
        }
        if (preview_) {
            preview_->raise();
            preview_->activateWindow();
            return;
        }
        auto sheet = std::make_unique<TfrmCharacterSheet>();
        sheet->FillCharacterSheet(rules_->Character());
        preview_ = dialogs_.OpenPrintPreview(this, std::move(sheet));
    });
}

void TfrmCharacterCreation::miAboutClick() {
    Guarded([this] { dialogs_.ShowAbout(this); });
}

bool TfrmCharacterCreation::RemoveSelectedResource(QListWidget* list) {
    TResource* resource = Selected<TResource>(list, rules_->Character());
    if (resource == nullptr) return false;
    rules_->RemoveResource(resource);
    RefreshResourcePoints();
    return true;
}

void TfrmCharacterCreation::RefreshResourcePoints() {
    const QString caption = ResourcesCaption(rules_->RemainingResourcePoints());
    for (QGroupBox* box : {gbAttunements, gbSongs, gbSkills, gbVesselsAndServants, gbArtifacts, gbDiscords})
        box->setTitle(caption);
}

// --------------------------------------------------------------- concept

void TfrmCharacterCreation::BuildConceptPage(QWidget* page) {
    QGroupBox* groupBox1 = Group(page, "GroupBox1", QStringLiteral("Character concept"), 5, 5, 455, 115);
    cbCharacterConcept = DropDown(groupBox1, "cbCharacterConcept", 16, 28, 145);
    connect(cbCharacterConcept, &QComboBox::activated, this,
            [this](int index) { Guarded([&] { cbCharacterConceptChange(index); }); });
    Label(groupBox1, "lbBriefDescriptionTitle", QStringLiteral("Brief Description:"), 176, 10);
    auto* bevel = Make<QFrame>(groupBox1, "bBriefDescription");
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bevel->setGeometry(176, 28, 266, 77);
    mmBriefDescription = Make<QPlainTextEdit>(groupBox1, "mmBriefDescription");
    mmBriefDescription->setGeometry(179, 31, 260, 71);
    mmBriefDescription->setReadOnly(true);
    mmBriefDescription->setFrameStyle(QFrame::NoFrame);
    mmBriefDescription->setBackgroundRole(QPalette::Window);
    mmBriefDescription->viewport()->setAutoFillBackground(false);

    QGroupBox* details = Group(page, "gbBasicDetails", QStringLiteral("Basic Details"), 5, 125, 455, 115);
    Label(details, "lbName", QStringLiteral("Name"), 16, 36);
    edName = Edit(details, "edName", 56, 32, 145);
    connect(edName, &QLineEdit::textChanged, this, [this](const QString& t) { edNameChange(t); });
    lbKind = Label(details, "lbKind", QStringLiteral("Kind"), 23, 76);
    cbCelestialKind = DropDown(details, "cbCelestialKind", 56, 72, 145);
    connect(cbCelestialKind, &QComboBox::activated, this,
            [this](int index) { Guarded([&] { cbCelestialKindChange(index); }); });
    lbWord = Label(details, "lbWord", QStringLiteral("Word"), 230, 36);
    edWord = Edit(details, "edWord", 280, 32, 145);
    connect(edWord, &QLineEdit::textChanged, this, [this](const QString& t) { edWordChange(t); });
    lbSuperior = Label(details, "lbSuperior", QStringLiteral("Superior"), 224, 76);
    cbSuperior = DropDown(details, "cbSuperior", 280, 72, 145);
    connect(cbSuperior, &QComboBox::activated, this, [this](int index) { Guarded([&] { cbSuperiorChange(index); }); });
    lbMortalSuperior = Label(details, "lbMortalSuperior", QStringLiteral("Superior"), 224, 36);
    lbMortalSuperior->hide();
    edMortalSuperior = Edit(details, "edMortalSuperior", 280, 32, 145);
    edMortalSuperior->hide();
    connect(edMortalSuperior, &QLineEdit::textChanged, this, [this](const QString& t) { edMortalSuperiorChange(t); });
}

void TfrmCharacterCreation::FillSuperiorList(QComboBox* list) {
    list->clear();
    for (std::uint8_t row : rules_->SuperiorChoices()) list->addItem(Q(SuperiorNames[row]));
    list->setCurrentIndex(rules_->SuperiorChoicePosition().value_or(-1));
}

void TfrmCharacterCreation::ApplyConceptLayout() {
    const TConceptLayout layout = rules_->ConceptLayout();
    SetShown({lbKind, cbCelestialKind}, layout.KindShown);
    SetShown({lbWord, edWord}, layout.WordShown);
    SetShown({lbSuperior, cbSuperior}, layout.SuperiorShown);
    SetShown({lbMortalSuperior, edMortalSuperior}, layout.MortalSuperiorShown);
    for (std::int32_t step : {StepAttunements, StepSongs, StepArtifacts})
        pcCharacterCreationSteps->SetTabVisible(step, layout.TabVisible(step));
}

void TfrmCharacterCreation::tsConceptShow() {
    const THalvaneCharacter& c = rules_->Character();
    filling_ = true;
    cbCharacterConcept->clear();
    for (std::string_view concept_ : Concepts) cbCharacterConcept->addItem(Q(concept_));
    cbCharacterConcept->setCurrentIndex(c.Concept ? *c.Concept : -1);

    const std::vector<std::uint8_t> kinds = rules_->KindChoices();
    if (!kinds.empty()) {
        cbCelestialKind->clear();
        int selected = -1;
        for (std::size_t p = 0; p < kinds.size(); ++p) {
            cbCelestialKind->addItem(Q(CelestialKinds[kinds[p]]));
            if (c.CelestialKind == kinds[p]) selected = static_cast<int>(p);
        }
        cbCelestialKind->setCurrentIndex(selected);
    }
    if (!rules_->SuperiorChoices().empty()) FillSuperiorList(cbSuperior);
    edName->setText(Q(c.Name));
    edWord->setText(Q(c.Word));
    if (c.Concept) {
        mmBriefDescription->setPlainText(Q(ConceptDescriptions.at(*c.Concept)));
        ApplyConceptLayout();
        if (IsMortalConcept(*c.Concept) && c.Superior() != nullptr) edMortalSuperior->setText(Q(c.Superior()->Name));
    }
    filling_ = false;
}

void TfrmCharacterCreation::cbCharacterConceptChange(int index) {
    rules_->SelectConcept(index);
    const THalvaneCharacter& c = rules_->Character();
    mmBriefDescription->setPlainText(Q(ConceptDescriptions.at(*c.Concept)));
    ApplyConceptLayout();
    filling_ = true;
    edName->clear();
    edWord->clear();
    edMortalSuperior->clear();
    cbSuperior->clear();
    if (!IsMortalConcept(index)) {
        cbCelestialKind->clear();
        for (std::uint8_t row : rules_->KindChoices()) cbCelestialKind->addItem(Q(CelestialKinds[row]));
        cbCelestialKind->setCurrentIndex(-1);
    }
    filling_ = false;
}

void TfrmCharacterCreation::cbCelestialKindChange(int index) {
    rules_->SelectKind(index);
    cbSuperior->setCurrentIndex(-1);
    FillSuperiorList(cbSuperior);
}

void TfrmCharacterCreation::cbSuperiorChange(int index) { rules_->SelectSuperior(index); }

void TfrmCharacterCreation::edNameChange(const QString& text) {
    if (!filling_) rules_->SetCharacterName(S(text));
}

void TfrmCharacterCreation::edWordChange(const QString& text) {
    if (!filling_) rules_->SetCharacterWord(S(text));
}

void TfrmCharacterCreation::edMortalSuperiorChange(const QString& text) {
    if (!filling_) rules_->SetMortalSuperior(S(text));
}

// ---------------------------------------------------------------- forces

void TfrmCharacterCreation::BuildForcesPage(QWidget* page) {
    gbForces = Group(page, "gbForces", QStringLiteral("Forces"), 5, 5, 455, 115);
    rgForces = RadioGroup(gbForces, "rgForces", QString(), RealmItems(), 1, 54, 16, 106, 85);
    rgForces->SetItemIndex(0);
    connect(rgForces, &TRadioGroup::Click, this, [this] { Guarded([this] { rgForcesClick(); }); });
    Label(gbForces, "lbCorporeal", QStringLiteral("Corporeal"), 256, 23);
    Label(gbForces, "lbEthereal", QStringLiteral("Ethereal"), 262, 55);
    Label(gbForces, "lbCelestial", QStringLiteral("Celestial"), 262, 87);
    const char* names[3] = {"edCorporealForces", "edEtherealForces", "edCelestialForces"};
    for (int g = 0; g < 3; ++g) {
        edForces[g] = Edit(gbForces, names[g], 360, 19 + 32 * g, 49);
        edForces[g]->setText(QStringLiteral("0"));
        connect(edForces[g], &QLineEdit::textChanged, this, [this] { Guarded([this] { edForcesChange(); }); });
    }

    gbCharacteristics = Group(page, "gbCharacteristics", QStringLiteral("Characteristics"), 5, 125, 215, 115);
    lbAttribute1 = Label(gbCharacteristics, "lbAttribute1", QStringLiteral("Attribute1"), 29, 33);
    lbAttribute2 = Label(gbCharacteristics, "lbAttribute2", QStringLiteral("Attribute2"), 125, 33);
    edAttribute1 = Edit(gbCharacteristics, "edAttribute1", 21, 57, 73);
    edAttribute2 = Edit(gbCharacteristics, "edAttribute2", 117, 57, 73);
    for (QLineEdit* edit : {edAttribute1, edAttribute2})
        connect(edit, &QLineEdit::textChanged, this, [this] { Guarded([this] { edAttributeChange(); }); });

    QGroupBox* hits = Group(page, "Hits", QStringLiteral("Hits"), 230, 125, 230, 115);
    lbBodyHits = Label(hits, "lbBodyHits", QStringLiteral("Base Body Hits"), 20, 21);
    Label(hits, "lbMindHits", QStringLiteral("Mind Hits"), 48, 53);
    Label(hits, "lbSoulHits", QStringLiteral("Soul Hits"), 50, 85);
    edBodyHits = Edit(hits, "edBodyHits", 112, 17, 73);
    edMindHits = Edit(hits, "edMindHits", 112, 49, 73);
    edSoulHits = Edit(hits, "edSoulHits", 112, 81, 73);
}

int TfrmCharacterCreation::SelectedForcesGroup() const { return std::max(0, rgForces->ItemIndex()); }

void TfrmCharacterCreation::RefreshForces() {
    gbForces->setTitle(QStringLiteral("Forces: %1").arg(rules_->RemainingForces()));
    const int selected = SelectedForcesGroup();
    for (int g = 0; g < 3; ++g) {
        const bool editable = g == selected;
        edForces[g]->setReadOnly(!editable);
        edForces[g]->setFrame(editable);
        QPalette palette = edForces[g]->palette();
        palette.setBrush(QPalette::Base, editable ? QApplication::palette().base() : QApplication::palette().window());
        edForces[g]->setPalette(palette);
        edForces[g]->setFocusPolicy(editable ? Qt::StrongFocus : Qt::NoFocus);
    }
}

void TfrmCharacterCreation::RefreshCharacteristics() {
    const int group = SelectedForcesGroup();
    gbCharacteristics->setTitle(QStringLiteral("Characteristics: %1").arg(rules_->RemainingCharacteristicPoints(group)));
    lbAttribute1->setText(Q(AttributeNames[static_cast<std::size_t>(group)]));
    lbAttribute1->adjustSize();
    lbAttribute2->setText(Q(AttributeNames[static_cast<std::size_t>(group + 3)]));
    lbAttribute2->adjustSize();
    const TForces& forces = rules_->Character().GetForces(group);
    const bool wasFilling = filling_;
    filling_ = true;
    edAttribute1->setText(QString::number(forces.Characteristic1));
    edAttribute2->setText(QString::number(forces.Characteristic2));
    filling_ = wasFilling;
}

void TfrmCharacterCreation::RefreshHits(int group) {
    switch (group) {
    case 0:
        if (const auto hits = rules_->BodyHits()) edBodyHits->setText(Q(HitsText(*hits)));
        break;
    case 1: edMindHits->setText(Q(HitsText(rules_->MindHits()))); break;
    case 2: edSoulHits->setText(Q(HitsText(rules_->SoulHits()))); break;
    default: break;
    }
}

void TfrmCharacterCreation::tsForcesAndCharacteristicsShow() {
    const THalvaneCharacter& c = rules_->Character();
    filling_ = true;
    if (c.Concept) {
        lbBodyHits->setText(IsMortalConcept(*c.Concept) ? QStringLiteral("Body Hits") : QStringLiteral("Base Body Hits"));
        lbBodyHits->adjustSize();
        lbBodyHits->move(edBodyHits->x() - 8 - lbBodyHits->width(), lbBodyHits->y());
    }
    for (int g = 0; g < 3; ++g) edForces[g]->setText(QString::number(c.GetForces(g).Forces));
    rgForces->SetItemIndex(0);
    filling_ = false;
    RefreshForces();
    RefreshCharacteristics();
    for (int g = 0; g < 3; ++g) RefreshHits(g);
}

void TfrmCharacterCreation::rgForcesClick() {
    RefreshForces();
    RefreshCharacteristics();
}

void TfrmCharacterCreation::edForcesChange() {
    if (filling_ || !rules_->Character().Concept) return;
    // The field that changed names its own group; only the selected group's
    // field can be edited, so this is the selected group.
    int group = SelectedForcesGroup();
    for (int g = 0; g < 3; ++g)
        if (sender() == edForces[g]) group = g;
    rules_->SetForces(group, ReadWholeNumber(S(edForces[group]->text())));
    RefreshForces();
    RefreshCharacteristics();
}

void TfrmCharacterCreation::edAttributeChange() {
    if (filling_) return;
    const int which = sender() == edAttribute2 ? 2 : 1;
    const QLineEdit* field = which == 1 ? edAttribute1 : edAttribute2;
    const int group = SelectedForcesGroup();
    const std::int32_t value = ReadWholeNumber(S(field->text()));
    const std::int32_t stored = rules_->Character().GetForces(group).Characteristic(which);
    if (value == stored && stored != 0) return;
    rules_->SetCharacteristic(group, which, value);
    if (which == 1) RefreshHits(group);
    RefreshCharacteristics();
}

// ------------------------------------------------------------ attunements

void TfrmCharacterCreation::BuildAttunementsPage(QWidget* page) {
    gbAttunements = Group(page, "gbAttunements", QStringLiteral("Resources"), 5, 5, 455, 236);
    QGroupBox* choir = Group(gbAttunements, "gbChoirAttunements", QStringLiteral("Choir Attunements"), 10, 19, 215, 88);
    cbChoirAttunements = DropDown(choir, "cbChoirAttunements", 10, 24, 195);
    auto* addChoir = Button(choir, "btAddChoirAttunement", QStringLiteral("Add &Choir Attunement"), 80, 52, 124, 25);
    connect(addChoir, &QPushButton::clicked, this, [this] { Guarded([this] { btAddChoirAttunementClick(); }); });
    Label(gbAttunements, "lbYourAttunements", QStringLiteral("Your Attunements"), 10, 112);
    lbAttunements = ListBox(gbAttunements, "lbAttunements", 10, 128, 215, 97);

    QGroupBox* servitor =
        Group(gbAttunements, "gbServitorAttunements", QStringLiteral("Servitor Attunements"), 240, 18, 206, 148);
    Label(servitor, "lbSuperior2", QStringLiteral("Superior"), 16, 18);
    cbSuperior1 = DropDown(servitor, "cbSuperior1", 16, 34, 177);
    connect(cbSuperior1, &QComboBox::activated, this, [this](int index) { Guarded([&] { cbSuperior1Change(index); }); });
    Label(servitor, "lbServitorAttunements", QStringLiteral("Servitor Attunements"), 16, 66);
    cbServitorAttunements = DropDown(servitor, "cbServitorAttunements", 16, 82, 177);
    auto* addServitor =
        Button(servitor, "btAddServitorAttunement", QStringLiteral("Add &Servitor Attunement"), 64, 112, 131, 25);
    connect(addServitor, &QPushButton::clicked, this, [this] { Guarded([this] { btAddServitorAttunementClick(); }); });
    auto* remove = Button(gbAttunements, "btRemoveAttunement", QStringLiteral("&Remove Attunement"), 240, 200, 121, 25);
    connect(remove, &QPushButton::clicked, this, [this] { Guarded([this] { btRemoveAttunementClick(); }); });
}

void TfrmCharacterCreation::FillServitorList() {
    cbServitorAttunements->clear();
    const int position = cbSuperior1->currentIndex();
    if (position < 0 || !rules_->Character().Concept) return;
    const std::vector<std::uint8_t> rows = rules_->SuperiorChoices();
    if (position >= static_cast<int>(rows.size())) return;
    for (const TServitorAttunement* a : rules_->ServitorAttunementChoices(rows[static_cast<std::size_t>(position)]))
        cbServitorAttunements->addItem(Q(a->Name));
    cbServitorAttunements->setCurrentIndex(-1);
}

void TfrmCharacterCreation::FillAttunementList() { FillList(lbAttunements, rules_->OwnedAttunements()); }

void TfrmCharacterCreation::tsAttunementsShow() {
    RefreshResourcePoints();
    FillSuperiorList(cbSuperior1);
    cbChoirAttunements->clear();
    for (const TChoirAttunement* a : rules_->ChoirAttunementChoices()) cbChoirAttunements->addItem(Q(a->Name));
    cbChoirAttunements->setCurrentIndex(-1);
    FillServitorList();
    FillAttunementList();
}

void TfrmCharacterCreation::cbSuperior1Change(int) { FillServitorList(); }

void TfrmCharacterCreation::btAddChoirAttunementClick() {
    const TRuleResult result = rules_->BuyChoirAttunement(Chosen(cbChoirAttunements));
    if (result.Outcome == TRuleResult::Refused) ShowRefusal(result.Message);
    if (result.Outcome == TRuleResult::Done) {
        RefreshResourcePoints();
        FillAttunementList();
    }
}

void TfrmCharacterCreation::btAddServitorAttunementClick() {
    if (cbSuperior1->currentIndex() < 0 || cbServitorAttunements->currentIndex() < 0) return;
    const TRuleResult result = rules_->BuyServitorAttunement(S(cbServitorAttunements->currentText()));
    if (result.Outcome == TRuleResult::Refused) ShowRefusal(result.Message);
    if (result.Outcome == TRuleResult::Done) {
        RefreshResourcePoints();
        FillAttunementList();
    }
}

void TfrmCharacterCreation::btRemoveAttunementClick() {
    TAttunement* attunement = Selected<TAttunement>(lbAttunements, rules_->Character());
    if (attunement == nullptr) return;
    const TRuleResult result = rules_->RemoveAttunement(attunement);
    if (result.Outcome == TRuleResult::Refused) ShowRefusal(result.Message);
    RefreshResourcePoints();
    FillAttunementList();
}

// ------------------------------------------------------------------ songs

void TfrmCharacterCreation::BuildSongsPage(QWidget* page) {
    gbSongs = Group(page, "gbSongs", QStringLiteral("Resources"), 5, 5, 455, 236);
    Label(gbSongs, "lbYourSongs", QStringLiteral("Your Songs"), 10, 18);
    lbSongs = ListBox(gbSongs, "lbSongs", 10, 34, 205, 191);
    connect(lbSongs, &QListWidget::itemDoubleClicked, this, [this] { Guarded([this] { lbSongsDblClick(); }); });
    QGroupBox* available = Group(gbSongs, "gbAvailableSongs", QStringLiteral("Songs"), 222, 16, 225, 172);
    Label(available, "lbSongDescription", QStringLiteral("Song"), 10, 28);
    cbAvailableSongs = DropDown(available, "cbAvailableSongs", 44, 24, 171);
    connect(cbAvailableSongs, &QComboBox::activated, this, [this] { Guarded([this] { cbAvailableSongsChange(); }); });
    rgSongRealm = RadioGroup(available, "rgSongRealm", QString(), RealmItems(), 3, 6, 52, 213, 36);
    rgSongRealm->SetItemIndex(0);
    connect(rgSongRealm, &TRadioGroup::Click, this, [this] { Guarded([this] { rgSongRealmClick(); }); });
    Label(available, "lbSongLevel", QStringLiteral("Level"), 10, 104);
    edSongLevel = Edit(available, "edSongLevel", 44, 100, 40);
    auto* buy = Button(available, "btSongBuy", QStringLiteral("&Buy Song"), 125, 134, 90, 25);
    connect(buy, &QPushButton::clicked, this, [this] { Guarded([this] { btSongBuyClick(); }); });
    auto* remove = Button(gbSongs, "btSongRemove", QStringLiteral("&Remove Song"), 355, 198, 90, 25);
    connect(remove, &QPushButton::clicked, this, [this] { Guarded([this] { btSongRemoveClick(); }); });
}

void TfrmCharacterCreation::FillSongList() { FillList(lbSongs, rules_->OwnedSongs()); }

void TfrmCharacterCreation::tsSongsShow() {
    RefreshResourcePoints();
    if (rules_->Character().Concept) {
        QStringList items;
        for (std::uint8_t realm : rules_->SongRealmChoices()) items << Q(Realms[realm]);
        rgSongRealm->SetItems(items);
        rgSongRealm->SetItemIndex(0);
        cbAvailableSongs->clear();
        cbAvailableSongs->addItems(Texts(rules_->SongChoices(0)));
        cbAvailableSongs->setCurrentIndex(-1);
    }
    FillSongList();
}

void TfrmCharacterCreation::rgSongRealmClick() {
    edSongLevel->clear();
    cbAvailableSongs->clear();
    const int realm = rgSongRealm->ItemIndex();
    if (realm >= 0) cbAvailableSongs->addItems(Texts(rules_->SongChoices(static_cast<std::uint8_t>(realm))));
    cbAvailableSongs->setCurrentIndex(-1);
}

void TfrmCharacterCreation::cbAvailableSongsChange() { edSongLevel->clear(); }

void TfrmCharacterCreation::btSongBuyClick() {
    const int song = cbAvailableSongs->currentIndex();
    const int realm = rgSongRealm->ItemIndex();
    if (song < 0 || realm < 0) return;
    const std::string error = rules_->BuySong(song, static_cast<std::uint8_t>(realm), S(edSongLevel->text()));
    if (!error.empty()) return ShowRefusal(error);
    RefreshResourcePoints();
    FillSongList();
}

void TfrmCharacterCreation::btSongRemoveClick() {
    if (RemoveSelectedResource(lbSongs)) FillSongList();
}

void TfrmCharacterCreation::lbSongsDblClick() {
    const TSong* song = Selected<TSong>(lbSongs, rules_->Character());
    if (song == nullptr) return;
    const TSongInputs inputs = rules_->SongInputsFor(*song);
    rgSongRealm->SetItemIndex(inputs.Realm);
    cbAvailableSongs->setCurrentIndex(inputs.SongPosition.value_or(-1));
    cbAvailableSongsChange();
    edSongLevel->setText(Q(inputs.Level));
}

// ----------------------------------------------------------------- skills

void TfrmCharacterCreation::BuildSkillsPage(QWidget* page) {
    gbSkills = Group(page, "gbSkills", QStringLiteral("Resources"), 5, 5, 455, 236);
    Label(gbSkills, "lbYourSkills", QStringLiteral("Your Skills"), 10, 18);
    lbSkills = ListBox(gbSkills, "lbSkills", 10, 34, 215, 191);
    connect(lbSkills, &QListWidget::itemDoubleClicked, this, [this] { Guarded([this] { lbSkillsDblClick(); }); });
    QGroupBox* available = Group(gbSkills, "gpAvailableSkills", QStringLiteral("Available Skills"), 235, 16, 210, 172);
    Label(available, "lbSkill", QStringLiteral("Skill"), 10, 28);
    cbAvailableSkills = DropDown(available, "cbAvailableSkills", 60, 24, 140);
    connect(cbAvailableSkills, &QComboBox::activated, this, [this] { Guarded([this] { cbAvailableSkillsChange(); }); });
    lbSkillSpecification = Label(available, "lbSkillSpecification", QStringLiteral("Specific."), 10, 55);
    lbSkillSpecification->hide();
    edSkillSpecification = Edit(available, "edSkillSpecification", 60, 51, 140);
    edSkillSpecification->hide();
    Label(available, "lbSkillAttribute", QStringLiteral("Attribute"), 10, 80);
    lbSkillAttribute2 = Label(available, "lbSkillAttribute2", QStringLiteral("-"), 60, 80);
    Label(available, "lbSkillDefault", QStringLiteral("Default"), 10, 100);
    lbSkillDefault2 = Label(available, "lbSkillDefault2", QStringLiteral("-"), 60, 100);
    Label(available, "lbSkillLevel", QStringLiteral("Level"), 10, 124);
    edSkillLevel = Edit(available, "edSkillLevel", 60, 120, 40);
    auto* buy = Button(available, "btSkillBuy", QStringLiteral("&Buy Skill"), 110, 140, 90, 25);
    connect(buy, &QPushButton::clicked, this, [this] { Guarded([this] { btSkillBuyClick(); }); });
    auto* remove = Button(gbSkills, "btSkillRemove", QStringLiteral("&Remove Skill"), 355, 198, 90, 25);
    connect(remove, &QPushButton::clicked, this, [this] { Guarded([this] { btSkillRemoveClick(); }); });
}

void TfrmCharacterCreation::FillSkillList() { FillList(lbSkills, rules_->OwnedSkills()); }

void TfrmCharacterCreation::tsSkillsShow() {
    edSkillLevel->clear();
    RefreshResourcePoints();
    cbAvailableSkills->clear();
    cbAvailableSkills->addItems(Texts(rules_->SkillChoices()));
    cbAvailableSkills->setCurrentIndex(-1);
    FillSkillList();
}

void TfrmCharacterCreation::cbAvailableSkillsChange() {
    const int position = cbAvailableSkills->currentIndex();
    if (position < 0) return;
    const TSkillDetails details = rules_->SkillDetails(position);
    SetShown({lbSkillSpecification, edSkillSpecification}, details.SpecificationRequired);
    lbSkillAttribute2->setText(Q(details.AttributeText));
    lbSkillAttribute2->adjustSize();
    lbSkillDefault2->setText(Q(details.DefaultText));
    lbSkillDefault2->adjustSize();
    edSkillSpecification->clear();
    edSkillLevel->clear();
}

void TfrmCharacterCreation::btSkillBuyClick() {
    const int position = cbAvailableSkills->currentIndex();
    if (position < 0) return;
    const std::string error = rules_->BuySkill(position, S(edSkillLevel->text()), S(edSkillSpecification->text()));
    if (!error.empty()) return ShowRefusal(error);
    RefreshResourcePoints();
    FillSkillList();
}

void TfrmCharacterCreation::btSkillRemoveClick() {
    if (RemoveSelectedResource(lbSkills)) FillSkillList();
}

void TfrmCharacterCreation::lbSkillsDblClick() {
    const TSkill* skill = Selected<TSkill>(lbSkills, rules_->Character());
    if (skill == nullptr) return;
    const TSkillInputs inputs = rules_->SkillInputsFor(*skill);
    if (inputs.SkillPosition) {
        cbAvailableSkills->setCurrentIndex(*inputs.SkillPosition);
        cbAvailableSkillsChange();
    }
    if (inputs.Specification) edSkillSpecification->setText(Q(*inputs.Specification));
    edSkillLevel->setText(Q(inputs.Level));
}

// --------------------------------------------------- vessels and servants

void TfrmCharacterCreation::BuildVesselsPage(QWidget* page) {
    gbVesselsAndServants = Group(page, "gbVesselsAndServants", QStringLiteral("Resources"), 5, 5, 455, 236);
    Label(gbVesselsAndServants, "lbYourVessels", QStringLiteral("Your Vessels"), 10, 18);
    lbVessels = ListBox(gbVesselsAndServants, "lbVessels", 10, 34, 228, 86);
    connect(lbVessels, &QListWidget::itemDoubleClicked, this, [this] { Guarded([this] { lbVesselsDblClick(); }); });
    Label(gbVesselsAndServants, "lbYourServants", QStringLiteral("Your Servants"), 10, 124);
    lbServants = ListBox(gbVesselsAndServants, "lbServants", 10, 140, 228, 85);
    connect(lbServants, &QListWidget::itemDoubleClicked, this, [this] { Guarded([this] { lbServantsDblClick(); }); });

    QGroupBox* editor =
        Group(gbVesselsAndServants, "gbVesselOrServant", QStringLiteral("Vessel/Servant"), 246, 12, 201, 217);
    rgVesselOrServant = RadioGroup(editor, "rgVesselOrServant", QString(),
                                   {QStringLiteral("Vessel"), QStringLiteral("Servant")}, 2, 8, 11, 185, 33);
    connect(rgVesselOrServant, &TRadioGroup::Click, this, [this] { Guarded([this] { rgVesselOrServantClick(); }); });
    Label(editor, "lbVesselOrServantDescription", QStringLiteral("Description"), 8, 52);
    edVesselOrServantDescription = Edit(editor, "edVesselOrServantDescription", 72, 48, 120);
    lbVesselOrServantLevel = Label(editor, "lbVesselOrServantLevel", QStringLiteral("Level"), 39, 84);
    edVesselOrServantLevel = Edit(editor, "edVesselOrServantLevel", 72, 80, 25);
    lbVesselCharismaLevel = Label(editor, "lbVesselCharismaLevel", QStringLiteral("Charisma lvl."), 6, 116);
    edVesselCharismaLevel = Edit(editor, "edVesselCharismaLevel", 72, 112, 25);
    lbServantClass = Label(editor, "lbServantClass", QStringLiteral("Class"), 38, 116);
    lbServantClass->hide();
    cbServantClass = DropDown(editor, "cbServantClass", 72, 112, 121);
    cbServantClass->hide();
    lbVesselRoleLevel = Label(editor, "lbVesselRoleLevel", QStringLiteral("Role lvl."), 28, 148);
    edVesselRoleLevel = Edit(editor, "edVesselRoleLevel", 72, 144, 25);
    lbVesselStatus = Label(editor, "lbVesselStatus", QStringLiteral("Status"), 120, 148);
    edVesselStatus = Edit(editor, "edVesselStatus", 160, 144, 25);
    btVesselOrServantBuy = Button(editor, "btVesselOrServantBuy", QStringLiteral("Buy Vessel/Servant"), 8, 184, 89, 25);
    connect(btVesselOrServantBuy, &QPushButton::clicked, this, [this] { Guarded([this] { btVesselOrServantBuyClick(); }); });
    btVesselOrServantRemove =
        Button(editor, "btVesselOrServantRemove", QStringLiteral("Remove Vessel/Servant"), 104, 184, 89, 25);
    connect(btVesselOrServantRemove, &QPushButton::clicked, this,
            [this] { Guarded([this] { btVesselOrServantRemoveClick(); }); });
}

void TfrmCharacterCreation::FillVesselLists() {
    FillList(lbVessels, rules_->OwnedVessels());
    FillList(lbServants, rules_->OwnedServants());
}

void TfrmCharacterCreation::tbVesselAndServantShow() {
    RefreshResourcePoints();
    rgVesselOrServant->SetItemIndex(0);
    cbServantClass->clear();
    for (std::string_view row : ServantClasses) cbServantClass->addItem(Q(row));
    cbServantClass->setCurrentIndex(-1);
    FillVesselLists();
}

void TfrmCharacterCreation::rgVesselOrServantClick() {
    const int mode = rgVesselOrServant->ItemIndex();
    if (mode < 0) return;
    const auto layout = rules_->VesselEditorLayout(mode == 1 ? TVesselMode::Servant : TVesselMode::Vessel);
    if (!layout) return;
    for (QLineEdit* edit : {edVesselOrServantDescription, edVesselOrServantLevel, edVesselCharismaLevel,
                            edVesselRoleLevel, edVesselStatus})
        edit->clear();
    cbServantClass->setCurrentIndex(-1);
    edVesselOrServantDescription->setReadOnly(!layout->DescriptionEditable);
    edVesselOrServantDescription->setText(Q(layout->Description));
    SetShown({lbVesselOrServantLevel, edVesselOrServantLevel}, layout->LevelShown);
    SetShown({lbVesselCharismaLevel, edVesselCharismaLevel}, layout->CharismaShown);
    SetShown({lbVesselRoleLevel, edVesselRoleLevel}, layout->RoleLevelShown);
    SetShown({lbVesselStatus, edVesselStatus}, layout->StatusShown);
    SetShown({lbServantClass, cbServantClass}, layout->ClassShown);
    btVesselOrServantBuy->setText(Q(layout->BuyCaption));
    btVesselOrServantRemove->setText(Q(layout->RemoveCaption));
    btVesselOrServantRemove->setVisible(layout->RemoveShown);
}

void TfrmCharacterCreation::btVesselOrServantBuyClick() {
    const THalvaneCharacter& c = rules_->Character();
    if (!c.Concept) return;
    const int mode = rgVesselOrServant->ItemIndex();
    std::string error;
    if (mode == 1) {
        error = rules_->BuyServant(Chosen(cbServantClass), S(edVesselOrServantDescription->text()),
                                   S(edVesselOrServantLevel->text()));
    } else if (mode == 0 && IsCelestialConcept(*c.Concept)) {
        error = rules_->BuyVessel(S(edVesselOrServantDescription->text()), S(edVesselOrServantLevel->text()),
                                  S(edVesselCharismaLevel->text()), S(edVesselRoleLevel->text()),
                                  S(edVesselStatus->text()));
    } else if (mode == 0) {
        error = rules_->AlterMortalVessel(S(edVesselCharismaLevel->text()), S(edVesselStatus->text()));
    } else {
        return;
    }
    if (!error.empty()) return ShowRefusal(error);
    RefreshResourcePoints();
    FillVesselLists();
}

void TfrmCharacterCreation::btVesselOrServantRemoveClick() {
    const int mode = rgVesselOrServant->ItemIndex();
    if (mode < 0) return;
    if (RemoveSelectedResource(mode == 0 ? lbVessels : lbServants)) FillVesselLists();
}

void TfrmCharacterCreation::lbVesselsDblClick() {
    const TVessel* vessel = Selected<TVessel>(lbVessels, rules_->Character());
    if (vessel == nullptr) return;
    rgVesselOrServant->SetItemIndex(0);
    const TVesselInputs inputs = TCreationRules::VesselInputsFor(*vessel);
    edVesselOrServantDescription->setText(Q(inputs.Description));
    edVesselOrServantLevel->setText(Q(inputs.Level));
    edVesselCharismaLevel->setText(Q(inputs.Charisma));
    edVesselRoleLevel->setText(Q(inputs.RoleLevel));
    edVesselStatus->setText(Q(inputs.Status));
}

void TfrmCharacterCreation::lbServantsDblClick() {
    const TServant* servant = Selected<TServant>(lbServants, rules_->Character());
    if (servant == nullptr) return;
    rgVesselOrServant->SetItemIndex(1);
    const TServantInputs inputs = TCreationRules::ServantInputsFor(*servant);
    edVesselOrServantDescription->setText(Q(inputs.Description));
    edVesselOrServantLevel->setText(Q(inputs.Level));
    cbServantClass->setCurrentIndex(inputs.ClassPosition);
}

// -------------------------------------------------------------- artifacts

void TfrmCharacterCreation::BuildArtifactsPage(QWidget* page) {
    gbArtifacts = Group(page, "gbArtifacts", QStringLiteral("Resources"), 5, 5, 455, 236);
    Label(gbArtifacts, "lbYourArtifacts", QStringLiteral("Your Artifacts"), 10, 18);
    lbArtifacts = ListBox(gbArtifacts, "lbArtifacts", 10, 34, 225, 191);
    connect(lbArtifacts, &QListWidget::itemDoubleClicked, this, [this] { Guarded([this] { lbArtifactsDblClick(); }); });

    pcArtifactRealm = Make<QTabWidget>(gbArtifacts, "pcArtifactRealm");
    pcArtifactRealm->setGeometry(245, 16, 201, 175);
    // Three realm tabs must fit the editor's width without scroll buttons.
    pcArtifactRealm->setUsesScrollButtons(false);
    pcArtifactRealm->setElideMode(Qt::ElideNone);
    auto* compact = new TCompactTabStyle;
    compact->setParent(pcArtifactRealm);
    pcArtifactRealm->setStyle(compact);
    const char* pageNames[3] = {"tsCorporealArtifact", "tsEtherealArtifact", "tsCelestialArtifact"};
    const char* descriptionLabels[3] = {"lbCorporealArtifactDescription", "lbEtherealArtifactDescription",
                                        "lbCelestialArtifactDescription"};
    const char* descriptionEdits[3] = {"edCorporealArtifactDescription", "edEtherealArtifactDescription",
                                       "edCelestialArtifactDescription"};
    const char* levelLabels[3] = {"lbCorporealArtifactLevel", "lbEtherealArtifactLevel", "lbCelestialArtifactLevel"};
    const char* levelEdits[3] = {"edCorporealArtifactLevel", "edEtherealArtifactLevel", "edCelestialArtifactLevel"};
    QWidget* realmPages[3] = {};
    for (int r = 0; r < 3; ++r) {
        realmPages[r] = Make<QWidget>(nullptr, pageNames[r]);
        pcArtifactRealm->addTab(realmPages[r], Q(Realms[static_cast<std::size_t>(r)]));
        Label(realmPages[r], descriptionLabels[r], QStringLiteral("Description"), 8, 14);
        edArtifactDescription[r] = Edit(realmPages[r], descriptionEdits[r], 74, 10, 113);
        const int levelTop = r == 0 ? 38 : 66;
        Label(realmPages[r], levelLabels[r], QStringLiteral("Level"), 8, levelTop + 4);
        edArtifactLevel[r] = Edit(realmPages[r], levelEdits[r], 74, levelTop, 33);
    }
    Label(realmPages[1], "lbEtherealArtifactSkill", QStringLiteral("Skill"), 8, 42);
    cbEtherealArtifactSkill = DropDown(realmPages[1], "cbEtherealArtifactSkill", 74, 38, 113);
    Label(realmPages[2], "lbCelestialArtifactSong", QStringLiteral("Song"), 8, 42);
    cbCelestialArtifactSong = DropDown(realmPages[2], "cbCelestialArtifactSong", 74, 38, 113);
    cbCelestialArtifactReliquary = Make<QCheckBox>(realmPages[2], "cbCelestialArtifactReliquary");
    cbCelestialArtifactReliquary->setText(QStringLiteral("Is reliquary"));
    cbCelestialArtifactReliquary->setGeometry(8, 100, 84, 20);
    connect(cbCelestialArtifactReliquary, &QCheckBox::toggled, this,
            [this] { Guarded([this] { cbCelestialArtifactReliquaryClick(); }); });
    cbCelestialArtifactCanBeDrawned = Make<QCheckBox>(realmPages[2], "cbCelestialArtifactCanBeDrawned");
    cbCelestialArtifactCanBeDrawned->setGeometry(98, 100, 18, 20);
    cbCelestialArtifactCanBeDrawned->setEnabled(false);
    Label(realmPages[2], "lbCelestialArtifactCanBeDrawned", QStringLiteral("Its essence\ncan be drawned"), 118, 96);
    connect(pcArtifactRealm, &QTabWidget::currentChanged, this,
            [this](int index) { Guarded([&] { pcArtifactRealmChange(index); }); });

    auto* remove = Button(gbArtifacts, "btArtifactRemove", QStringLiteral("&Remove Artifact"), 245, 198, 98, 25);
    connect(remove, &QPushButton::clicked, this, [this] { Guarded([this] { btArtifactRemoveClick(); }); });
    auto* buy = Button(gbArtifacts, "btArtifactBuy", QStringLiteral("&Buy Artifact"), 348, 198, 98, 25);
    connect(buy, &QPushButton::clicked, this, [this] { Guarded([this] { btArtifactBuyClick(); }); });
}

void TfrmCharacterCreation::FillArtifactList() { FillList(lbArtifacts, rules_->OwnedArtifacts()); }

void TfrmCharacterCreation::tsArtifactsShow() {
    RefreshResourcePoints();
    programArtifactPage_ = true;
    pcArtifactRealm->setCurrentIndex(0);
    programArtifactPage_ = false;
    cbEtherealArtifactSkill->clear();
    cbEtherealArtifactSkill->addItems(Texts(rules_->SkillChoices()));
    cbEtherealArtifactSkill->setCurrentIndex(-1);
    cbCelestialArtifactSong->clear();
    cbCelestialArtifactSong->addItems(Texts(rules_->ArtifactSongChoices()));
    cbCelestialArtifactSong->setCurrentIndex(-1);
    FillArtifactList();
}

void TfrmCharacterCreation::ClearArtifactInputs() {
    for (int r = 0; r < 3; ++r) {
        edArtifactDescription[r]->clear();
        edArtifactLevel[r]->clear();
    }
    cbEtherealArtifactSkill->setCurrentIndex(-1);
    cbCelestialArtifactSong->setCurrentIndex(-1);
    cbCelestialArtifactReliquary->setChecked(false);
    cbCelestialArtifactCanBeDrawned->setChecked(false);
}

void TfrmCharacterCreation::pcArtifactRealmChange(int) {
    if (!programArtifactPage_) ClearArtifactInputs();
}

void TfrmCharacterCreation::cbCelestialArtifactReliquaryClick() {
    const bool reliquary = cbCelestialArtifactReliquary->isChecked();
    if (!reliquary) cbCelestialArtifactCanBeDrawned->setChecked(false);
    cbCelestialArtifactCanBeDrawned->setEnabled(reliquary);
}

void TfrmCharacterCreation::btArtifactBuyClick() {
    const int realm = pcArtifactRealm->currentIndex();
    if (realm < 0 || realm > 2) return;
    TArtifactPurchase purchase;
    purchase.Realm = static_cast<std::uint8_t>(realm);
    purchase.Description = S(edArtifactDescription[realm]->text());
    purchase.Level = S(edArtifactLevel[realm]->text());
    if (realm == 1) purchase.SkillPosition = Chosen(cbEtherealArtifactSkill);
    if (realm == 2) {
        purchase.SongPosition = Chosen(cbCelestialArtifactSong);
        purchase.IsReliquary = cbCelestialArtifactReliquary->isChecked();
        purchase.EssenceCanBeDrawn = cbCelestialArtifactCanBeDrawned->isChecked();
    }
    const std::string error = rules_->BuyArtifact(purchase);
    if (!error.empty()) return ShowRefusal(error);
    RefreshResourcePoints();
    FillArtifactList();
}

void TfrmCharacterCreation::btArtifactRemoveClick() {
    if (RemoveSelectedResource(lbArtifacts)) FillArtifactList();
}

void TfrmCharacterCreation::lbArtifactsDblClick() {
    const TArtifact* artifact = Selected<TArtifact>(lbArtifacts, rules_->Character());
    if (artifact == nullptr) return;
    const TArtifactInputs inputs = rules_->ArtifactInputsFor(*artifact);
    if (inputs.Realm > 2) return;
    programArtifactPage_ = true;
    pcArtifactRealm->setCurrentIndex(inputs.Realm);
    programArtifactPage_ = false;
    edArtifactDescription[inputs.Realm]->setText(Q(inputs.Description));
    edArtifactLevel[inputs.Realm]->setText(Q(inputs.Level));
    if (inputs.Realm == 1 && inputs.SkillPosition) cbEtherealArtifactSkill->setCurrentIndex(*inputs.SkillPosition);
    if (inputs.Realm == 2) {
        if (inputs.SongPosition) cbCelestialArtifactSong->setCurrentIndex(*inputs.SongPosition);
        cbCelestialArtifactReliquary->setChecked(false);
        cbCelestialArtifactCanBeDrawned->setChecked(false);
        cbCelestialArtifactReliquary->setChecked(inputs.IsReliquary);
        cbCelestialArtifactCanBeDrawned->setChecked(inputs.EssenceCanBeDrawn);
    }
}

// --------------------------------------------------------------- discords

void TfrmCharacterCreation::BuildDiscordsPage(QWidget* page) {
    gbDiscords = Group(page, "gbDiscords", QStringLiteral("Resources"), 5, 5, 455, 236);
    Label(gbDiscords, "lbYourDiscords", QStringLiteral("Your Discords"), 10, 18);
    lbDiscords = ListBox(gbDiscords, "lbDiscords", 10, 34, 205, 191);
    connect(lbDiscords, &QListWidget::itemDoubleClicked, this, [this] { Guarded([this] { lbDiscordsDblClick(); }); });
    QGroupBox* inputs = Group(gbDiscords, "GroupBox2", QStringLiteral("Discords"), 222, 16, 225, 172);
    Label(inputs, "lbDiscordDescription", QStringLiteral("Discord"), 10, 28);
    cbAvailableDiscords = DropDown(inputs, "cbAvailableDiscords", 60, 24, 155);
    connect(cbAvailableDiscords, &QComboBox::activated, this, [this] { Guarded([this] { cbAvailableDiscordsChange(); }); });
    lbDiscordSpecification = Label(inputs, "lbDiscordSpecification", QStringLiteral("Specific."), 10, 55);
    lbDiscordSpecification->hide();
    edDiscordSpecification = Edit(inputs, "edDiscordSpecification", 60, 51, 155);
    edDiscordSpecification->hide();
    rgDiscordRealm = RadioGroup(inputs, "rgDiscordRealm", QString(), RealmItems(), 3, 6, 76, 213, 36);
    rgDiscordRealm->SetItemIndex(0);
    connect(rgDiscordRealm, &TRadioGroup::Click, this, [this] { Guarded([this] { rgDiscordRealmClick(); }); });
    Label(inputs, "lbDiscordLevel", QStringLiteral("Level"), 10, 124);
    edDiscordLevel = Edit(inputs, "edDiscordLevel", 60, 120, 40);
    auto* buy = Button(inputs, "btDiscordBuy", QStringLiteral("&Buy Discord"), 125, 140, 90, 25);
    connect(buy, &QPushButton::clicked, this, [this] { Guarded([this] { btDiscordBuyClick(); }); });
    auto* remove = Button(gbDiscords, "btDiscordRemove", QStringLiteral("&Remove Discord"), 355, 198, 90, 25);
    connect(remove, &QPushButton::clicked, this, [this] { Guarded([this] { btDiscordRemoveClick(); }); });
}

void TfrmCharacterCreation::FillDiscordList() { FillList(lbDiscords, rules_->OwnedDiscords()); }

void TfrmCharacterCreation::tsDiscordsShow() {
    edDiscordLevel->clear();
    RefreshResourcePoints();
    cbAvailableDiscords->clear();
    const int realm = rgDiscordRealm->ItemIndex();
    if (realm >= 0) cbAvailableDiscords->addItems(Texts(rules_->DiscordChoices(static_cast<std::uint8_t>(realm))));
    cbAvailableDiscords->setCurrentIndex(-1);
    FillDiscordList();
}

void TfrmCharacterCreation::rgDiscordRealmClick() {
    edDiscordLevel->clear();
    edDiscordSpecification->clear();
    cbAvailableDiscords->clear();
    const int realm = rgDiscordRealm->ItemIndex();
    if (realm >= 0) cbAvailableDiscords->addItems(Texts(rules_->DiscordChoices(static_cast<std::uint8_t>(realm))));
    cbAvailableDiscords->setCurrentIndex(-1);
}

void TfrmCharacterCreation::cbAvailableDiscordsChange() {
    const int realm = rgDiscordRealm->ItemIndex();
    const int position = cbAvailableDiscords->currentIndex();
    if (realm < 0 || position < 0) return;
    const bool needed = rules_->DiscordSpecificationNeeded(static_cast<std::uint8_t>(realm), position);
    SetShown({lbDiscordSpecification, edDiscordSpecification}, needed);
    edDiscordSpecification->clear();
    edDiscordLevel->clear();
}

void TfrmCharacterCreation::btDiscordBuyClick() {
    const int realm = rgDiscordRealm->ItemIndex();
    const int position = cbAvailableDiscords->currentIndex();
    if (realm < 0 || position < 0) return;
    const std::string error = rules_->BuyDiscord(static_cast<std::uint8_t>(realm), position,
                                                 S(edDiscordLevel->text()), S(edDiscordSpecification->text()));
    if (!error.empty()) return ShowRefusal(error);
    RefreshResourcePoints();
    FillDiscordList();
}

void TfrmCharacterCreation::btDiscordRemoveClick() {
    if (RemoveSelectedResource(lbDiscords)) FillDiscordList();
}

void TfrmCharacterCreation::lbDiscordsDblClick() {
    const TDiscord* discord = Selected<TDiscord>(lbDiscords, rules_->Character());
    if (discord == nullptr) return;
    const TDiscordInputs inputs = rules_->DiscordInputsFor(*discord);
    rgDiscordRealm->SetItemIndex(inputs.Realm);
    if (inputs.DiscordPosition) {
        cbAvailableDiscords->setCurrentIndex(*inputs.DiscordPosition);
        cbAvailableDiscordsChange();
    }
    edDiscordSpecification->setText(Q(inputs.Specification));
    edDiscordLevel->setText(Q(inputs.Level));
}

} // namespace halvane
