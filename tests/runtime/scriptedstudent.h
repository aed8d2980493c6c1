#pragma once
// A student who takes a test run without widgets: the run engine's screens,
// answering each question from a script and logging what the run showed.

#include <gtest/gtest.h>

#include "model/testconfig.h"
#include "runtime/questionstate.h"
#include "runtime/runscreens.h"
#include "runtime/runstate.h"

#include <QStringList>
#include <functional>

class TScriptedStudent : public TRunScreens {
public:
    // One action per question shown: "right", "wrong", "pass", "quit"
    // (close box, confirmed), "quit-no" then the next action, "right+save",
    // "wrong+save", "right+quit" (Quit after an answer).
    QStringList Actions;
    QList<bool> ConfirmAnswers;      // for the retake offers
    int TakeAnswer = -1;             // -1: the take-count dialog is cancelled
    int StartAnswer = -1;            // -1: the start dialog is cancelled
    QStringList Events;              // what the run showed, in order
    QStringList Shown;               // "identifier@AnsweredCount" per question screen
    std::function<void()> OnQuestion;   // runs as each question screen opens

    QWidget* CreateBackdrop() override { Events << QStringLiteral("backdrop"); return nullptr; }
    void ShowMultimedia(const QString& caption, const QString& value) override
    {
        Events << QStringLiteral("media:") + caption + u':' + value;
    }
    void RunProgramAndWait(int kind, const QString& value) override
    {
        Events << QStringLiteral("program:%1:%2").arg(kind).arg(value);
    }
    void OpenDocument(const QString& value) override { Events << QStringLiteral("open:") + value; }
    void ShowAbout(const TAboutSpec&) override { Events << QStringLiteral("about"); }
    void ShowIntroduction(const QStringList& text) override
    {
        Events << QStringLiteral("intro:") + text.join(u'|');
    }
    void AskTakeCount() override
    {
        Events << QStringLiteral("take");
        if (TakeAnswer >= 0)
            TakeCount = TakeAnswer;
    }
    void AskStartQuestion() override
    {
        Events << QStringLiteral("start");
        if (StartAnswer >= 0)
            StartQuestion = StartAnswer;
    }
    bool Confirm(const QString& text) override
    {
        Events << QStringLiteral("confirm:") + text;
        if (ConfirmAnswers.isEmpty()) {
            ADD_FAILURE() << "unexpected confirmation " << text.toStdString();
            return false;
        }
        return ConfirmAnswers.takeFirst();
    }
    void ShowError(const QString& text) override { Events << QStringLiteral("error:") + text; }
    void ShowInfo(const QString& text) override { Events << QStringLiteral("info:") + text; }
    void ShowResults() override { Events << QStringLiteral("results"); }
    void ShowGroupFeedback() override { Events << QStringLiteral("feedback"); }
    void OutputResults() override { Events << QStringLiteral("output"); }
    void WriteSwapFile() override { Events << QStringLiteral("swap"); }

    void ShowQuestion(const QStringList& lines) override
    {
        TQuestionScreenState screen;
        screen.Open();
        QString shown = CurrentQuestion.Identifier.str() + u'@' + QString::number(AnsweredCount);
        if (TestConfig.AllowPass)
            shown += QStringLiteral("+pass");
        if (!lines.isEmpty())
            shown += QStringLiteral("+text");
        Shown << shown;
        Events << QStringLiteral("question:") + shown;
        if (OnQuestion)
            OnQuestion();
        for (;;) {
            if (Actions.isEmpty()) {
                ADD_FAILURE() << "no action left for " << shown.toStdString();
                QuitRequested = true;
                break;
            }
            const QString action = Actions.takeFirst();
            const int count = CurrentQuestion.AnswerCount.get();
            const int right = CurrentQuestion.CorrectAnswer.get();
            if (action.startsWith(QStringLiteral("right")))
                screen.Answer(right);
            else if (action.startsWith(QStringLiteral("wrong")))
                screen.Answer(right % count + 1);
            if (action == QStringLiteral("quit-no"))
                continue;   // the confirmation answered No: the screen stays
            if (action == QStringLiteral("pass")) {
                EXPECT_TRUE(TestConfig.AllowPass) << "Pass is not offered";
            } else if (action.endsWith(QStringLiteral("+save"))) {
                EXPECT_TRUE(QuitSaveOffered() && !screen.IsLast()) << "Quit & Save is not offered";
                QuitSaveRequested = true;
            } else if (action == QStringLiteral("quit") || action.endsWith(QStringLiteral("+quit"))) {
                if (screen.QuitNeedsConfirmation())
                    QuitRequested = true;
            }
            if (screen.Answered)
                Events << (screen.IsLast() ? QStringLiteral("continue") : QStringLiteral("next"));
            break;
        }
        screen.Close();
    }
};
