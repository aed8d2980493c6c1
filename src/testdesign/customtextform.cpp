#include "testdesign/customtextform.h"

#include "platform/modal.h"
#include "testdesign/designlook.h"
#include "testdesign/testpresentation.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cstddef>

namespace {

constexpr int CaptionsAt = int(offsetof(TTestConfig, Presentation) + offsetof(TPresentation, Captions));

struct TFieldSpec {
    const char* Name;
    const char* Label;
    int Group;
    int Offset;
    int Capacity;
    int Limit;
};

#define AT(field) int(offsetof(TTestConfig, field))
#define CAP(field) int(sizeof(TTestConfig::field) - 1)
#define CAPTION(field) CaptionsAt + int(offsetof(TCaptionSet, field)), int(sizeof(TCaptionSet::field) - 1)

enum { gButtons, gMedia, gQuestions, gScreen, gMessages, gResults };

// Edit, label, group, field, capacity, edit length limit.
const TFieldSpec Fields[] = {
    {"Quitedit", QT_TRANSLATE_NOOP("TCustomTextForm", "Quit"), gButtons, CAPTION(QuitCaption), 12},
    {"Closeedit", QT_TRANSLATE_NOOP("TCustomTextForm", "Close"), gButtons, CAPTION(CloseCaption), 12},
    {"Aboutedit", QT_TRANSLATE_NOOP("TCustomTextForm", "About"), gButtons, CAPTION(AboutCaption), 12},
    {"Helpedit", QT_TRANSLATE_NOOP("TCustomTextForm", "Help"), gButtons, CAPTION(HelpCaption), 12},
    {"ContinueEdit", QT_TRANSLATE_NOOP("TCustomTextForm", "Continue"), gButtons, AT(ContinueCaption), CAP(ContinueCaption), 12},
    {"NextEdit", QT_TRANSLATE_NOOP("TCustomTextForm", "Next"), gButtons, AT(NextCaption), CAP(NextCaption), 12},
    {"Passedit", QT_TRANSLATE_NOOP("TCustomTextForm", "Pass"), gButtons, AT(PassCaption), CAP(PassCaption), 12},
    {"InfoEdit", QT_TRANSLATE_NOOP("TCustomTextForm", "Information"), gButtons, AT(InformationCaption), CAP(InformationCaption), 12},
    {"ExplanEdit", QT_TRANSLATE_NOOP("TCustomTextForm", "Explanation"), gButtons, AT(ExplanationCaption), CAP(ExplanationCaption), 12},
    {"Quitsaveedit", QT_TRANSLATE_NOOP("TCustomTextForm", "Quit & Save"), gButtons, AT(QuitSaveCaption), CAP(QuitSaveCaption), 12},
    {"AVIedit", QT_TRANSLATE_NOOP("TCustomTextForm", "Start instruction"), gMedia, CAPTION(MediaStartText), 25},
    {"TotalQEdit", QT_TRANSLATE_NOOP("TCustomTextForm", "Total Questions"), gQuestions, AT(TotalQuestionsText), CAP(TotalQuestionsText), 20},
    {"totakeEdit", QT_TRANSLATE_NOOP("TCustomTextForm", "Questions to take"), gQuestions, AT(QuestionsToTakeText), CAP(QuestionsToTakeText), 29},
    {"StartQEdit", QT_TRANSLATE_NOOP("TCustomTextForm", "Start at Question"), gQuestions, AT(StartAtQuestionText), CAP(StartAtQuestionText), 20},
    {"MaxStartQEdit", QT_TRANSLATE_NOOP("TCustomTextForm", "Maximum start"), gQuestions, AT(MaxStartQuestionText), CAP(MaxStartQuestionText), 40},
    {"AnswerTag", QT_TRANSLATE_NOOP("TCustomTextForm", "Answer"), gScreen, AT(AnswerText), CAP(AnswerText), 8},
    {"ScoreEdit", QT_TRANSLATE_NOOP("TCustomTextForm", "Score"), gScreen, AT(ScoreText), CAP(ScoreText), 8},
    {"AnsweredEdit", QT_TRANSLATE_NOOP("TCustomTextForm", "Answered"), gScreen, AT(AnsweredText), CAP(AnsweredText), 10},
    {"CorrectEdit", QT_TRANSLATE_NOOP("TCustomTextForm", "Correct"), gScreen, AT(CorrectText), CAP(CorrectText), 10},
    {"CompleteEdit", QT_TRANSLATE_NOOP("TCustomTextForm", "Complete the form"), gMessages, AT(CompleteFormText), CAP(CompleteFormText), 45},
    {"PrintResultsEdit", QT_TRANSLATE_NOOP("TCustomTextForm", "Print the results"), gMessages, AT(PrintResultsText), CAP(PrintResultsText), 45},
    {"ResultsSave", QT_TRANSLATE_NOOP("TCustomTextForm", "Results saved"), gMessages, AT(ResultsSavedText), CAP(ResultsSavedText), 45},
    {"PassedQ", QT_TRANSLATE_NOOP("TCustomTextForm", "Passed questions"), gMessages, AT(PassedQuestionsText), CAP(PassedQuestionsText), 45},
    {"WrongQ", QT_TRANSLATE_NOOP("TCustomTextForm", "Wrong answers"), gMessages, AT(WrongQuestionsText), CAP(WrongQuestionsText), 45},
    {"CorrectAedit", QT_TRANSLATE_NOOP("TCustomTextForm", "Correct answer"), gMessages, AT(CorrectAnswerIsText), CAP(CorrectAnswerIsText), 35},
    {"AllLostedit", QT_TRANSLATE_NOOP("TCustomTextForm", "Quit warning"), gMessages, AT(AllLostText), CAP(AllLostText), 70},
    {"RetakeQ", QT_TRANSLATE_NOOP("TCustomTextForm", "Retake"), gMessages, AT(RetakeText), CAP(RetakeText), 45},
    {"Qresultsedit", QT_TRANSLATE_NOOP("TCustomTextForm", "Title"), gResults, AT(ResultsTitleText), CAP(ResultsTitleText), 30},
    {"QAnswerededit", QT_TRANSLATE_NOOP("TCustomTextForm", "Questions Answered"), gResults, AT(QuestionsAnsweredText), CAP(QuestionsAnsweredText), 20},
    {"QCorrectEdit", QT_TRANSLATE_NOOP("TCustomTextForm", "Correct Answers"), gResults, AT(CorrectAnswersText), CAP(CorrectAnswersText), 20},
};

#undef AT
#undef CAP
#undef CAPTION

const char* const GroupTitles[] = {
    QT_TRANSLATE_NOOP("TCustomTextForm", " Buttons "),   QT_TRANSLATE_NOOP("TCustomTextForm", " AVI/ MIDI Instructions "),
    QT_TRANSLATE_NOOP("TCustomTextForm", " Questions  "), QT_TRANSLATE_NOOP("TCustomTextForm", "Question Screen "),
    QT_TRANSLATE_NOOP("TCustomTextForm", " Messages  "), QT_TRANSLATE_NOOP("TCustomTextForm", " Results "),
};

// Width of the edits of each group, in average characters: the form fits a
// 640 x 480 screen, longer texts scroll inside their edits.
const int GroupEditChars[] = {15, 24, 28, 10, 22, 18};
// Label and edit pairs per row of each group.
const int GroupColumns[] = {2, 1, 1, 1, 2, 1};

} // namespace

TCustomTextForm::TCustomTextForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CustomTextForm"));
    std::memcpy(&Record, &TestConfig, sizeof Record);

    QGroupBox* groups[6];
    QGridLayout* grids[6];
    int counts[6] = {};
    for (int g = 0; g < 6; ++g) {
        groups[g] = new QGroupBox(tr(GroupTitles[g]), this);
        groups[g]->setObjectName(QStringLiteral("GroupBox%1").arg(g + 1));
        grids[g] = new QGridLayout(groups[g]);
        grids[g]->setHorizontalSpacing(6);
        grids[g]->setVerticalSpacing(1);
        grids[g]->setContentsMargins(6, 2, 6, 4);
    }
    QLineEdit** members[] = {&Quitedit,     &Closeedit,    &Aboutedit,    &Helpedit,         &ContinueEdit, &NextEdit,
                             &Passedit,     &InfoEdit,     &ExplanEdit,   &Quitsaveedit,     &AVIedit,      &TotalQEdit,
                             &totakeEdit,   &StartQEdit,   &MaxStartQEdit, &AnswerTag,       &ScoreEdit,    &AnsweredEdit,
                             &CorrectEdit,  &CompleteEdit, &PrintResultsEdit, &ResultsSave,  &PassedQ,      &WrongQ,
                             &CorrectAedit, &AllLostedit,  &RetakeQ,      &Qresultsedit,     &QAnswerededit, &QCorrectEdit};
    static_assert(std::size(Fields) == std::size(members));
    for (size_t i = 0; i < std::size(Fields); ++i) {
        const TFieldSpec& f = Fields[i];
        auto* edit = new QLineEdit(groups[f.Group]);
        edit->setObjectName(QString::fromLatin1(f.Name));
        edit->setMaxLength(f.Limit);
        const int chars = GroupEditChars[f.Group];
        edit->setFixedWidth(edit->fontMetrics().averageCharWidth() * chars);
        // A label with a buddy reads "&" as a mnemonic mark: "&&" shows one.
        QLabel* label = NewBuddyLabel(tr(f.Label).replace(u'&', QStringLiteral("&&")), edit, groups[f.Group]);
        label->setObjectName(QString::fromLatin1(f.Name) + QStringLiteral("Lbl"));
        const int n = counts[f.Group]++;
        const int cols = GroupColumns[f.Group];
        grids[f.Group]->addWidget(label, n / cols, (n % cols) * 2);
        grids[f.Group]->addWidget(edit, n / cols, (n % cols) * 2 + 1);
        *members[i] = edit;
        FFields.append({edit, f.Offset, f.Capacity, f.Limit});
    }

    HintLbl = new QLabel(tr("&& indicates Hot Key"), this);
    HintLbl->setObjectName(QStringLiteral("HintLbl"));
    HintLbl->setTextFormat(Qt::PlainText);
    SaveBtn = new QPushButton(tr("&Save"), this);
    NameControl(SaveBtn, "SaveBtn", SaveBtn->text());
    SaveBtn->setDefault(true);
    DefaultBtn = new QPushButton(tr("&Defaults"), this);
    NameControl(DefaultBtn, "DefaultBtn", DefaultBtn->text());
    CancelBtn = new QPushButton(tr("&Cancel"), this);
    NameControl(CancelBtn, "CancelBtn", CancelBtn->text());

    auto* top = new QGridLayout;
    top->setSpacing(4);
    top->addWidget(groups[gButtons], 0, 0);
    top->addWidget(groups[gScreen], 0, 1, Qt::AlignTop);
    top->addWidget(groups[gQuestions], 1, 0);
    top->addWidget(groups[gResults], 1, 1, Qt::AlignTop);
    top->addWidget(groups[gMessages], 2, 0, 1, 2);
    auto* buttons = new QGridLayout;
    buttons->addWidget(groups[gMedia], 0, 0, 2, 1);
    buttons->setColumnStretch(1, 1);
    buttons->addWidget(HintLbl, 0, 2, 1, 3, Qt::AlignRight);
    buttons->addWidget(SaveBtn, 1, 2);
    buttons->addWidget(DefaultBtn, 1, 3);
    buttons->addWidget(CancelBtn, 1, 4);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(8, 6, 8, 6);
    outer->setSpacing(4);
    outer->addLayout(top);
    outer->addLayout(buttons);
    SetDesignLook(*this, 360);

    // Tab goes through the groups as they are read: buttons, question
    // screen, questions, results, messages, media, then the buttons below.
    QWidget* previous = nullptr;
    for (int g : {gButtons, gScreen, gQuestions, gResults, gMessages, gMedia})
        for (const TField& f : FFields)
            if (f.Edit->parentWidget() == groups[g]) {
                if (previous)
                    setTabOrder(previous, f.Edit);
                previous = f.Edit;
            }
    setTabOrder(previous, SaveBtn);
    setTabOrder(SaveBtn, DefaultBtn);
    setTabOrder(DefaultBtn, CancelBtn);

    connect(SaveBtn, &QPushButton::clicked, this, &TCustomTextForm::SaveBtnClick);
    connect(DefaultBtn, &QPushButton::clicked, this, &TCustomTextForm::DefaultBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    Fill();
    Quitedit->setFocus();
}

void TCustomTextForm::Fill()
{
    for (const TField& f : FFields) {
        const QString text = RecordText(Record, f.Offset, f.Capacity);
        // A stored text longer than the edit's limit is shown whole, so that
        // saving does not shorten a text nobody edited.
        f.Edit->setMaxLength(qMax(f.Limit, int(text.size())));
        f.Edit->setText(text);
        f.Edit->setCursorPosition(0);
    }
}

void TCustomTextForm::DefaultBtnClick()
{
    // The caption defaults refresh the media prompt; that waits for Save.
    const QString prompt = MediaPrompt;
    SetDefaultTexts(Record);
    SetCaptionDefaults(Record.Presentation.Captions);
    MediaPrompt = prompt;
    Fill();
}

void TCustomTextForm::SaveBtnClick()
{
    TTestConfig record;
    std::memcpy(&record, &Record, sizeof record);
    for (const TField& f : FFields)
        if (f.Edit->text() != RecordText(record, f.Offset, f.Capacity))
            SetRecordText(record, f.Offset, f.Capacity, f.Edit->text());
    const QString prompt = MediaPrompt;
    MediaPrompt = record.Presentation.Captions.MediaStartText.str();
    if (!SaveRecord(record)) {
        MediaPrompt = prompt;
        return;
    }
    accept();
}

void CustomizeTexts(QWidget* parent)
{
    TCustomTextForm form(parent);
    ShowModal(form);
}
