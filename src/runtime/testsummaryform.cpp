#include "runtime/testsummaryform.h"

#include "model/errors.h"
#include "platform/messages.h"
#include "runtime/compiledtestfile.h"

#include <QApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TTestSummaryForm::TTestSummaryForm(const TCompiledTestFile& test, const QString& fileName, QWidget* parent)
    : QWidget(parent)
{
    QString title = test.Config.Program.ProgramTitle.str();
    if (title.isEmpty())
        title = QFileInfo(fileName).completeBaseName();
    setWindowTitle(title);
    setObjectName(QStringLiteral("TestSummaryForm"));

    TitleLbl = new QLabel(title, this);
    TitleLbl->setObjectName(QStringLiteral("TitleLbl"));
    QFont f = TitleLbl->font();
    f.setPointSize(f.pointSize() + 6);
    f.setBold(true);
    TitleLbl->setFont(f);
    TitleLbl->setAlignment(Qt::AlignCenter);

    const int questions = int(test.Questions.size());
    const int entries = test.Entries ? test.Entries->Count() : 0;
    CountLbl = new QLabel((questions == 1 ? tr("1 question") : tr("%1 questions").arg(questions))
                              + QStringLiteral(", ")
                              + (entries == 1 ? tr("1 entry") : tr("%1 entries").arg(entries)),
                          this);
    CountLbl->setObjectName(QStringLiteral("CountLbl"));
    CountLbl->setAlignment(Qt::AlignCenter);

    NoteLbl = new QLabel(tr("%1\nTaking the test is not available yet.").arg(fileName), this);
    NoteLbl->setObjectName(QStringLiteral("NoteLbl"));
    NoteLbl->setAlignment(Qt::AlignCenter);

    CloseBtn = new QPushButton(tr("&Close"), this);
    CloseBtn->setObjectName(QStringLiteral("CloseBtn"));
    CloseBtn->setDefault(true);
    connect(CloseBtn, &QPushButton::clicked, this, &QWidget::close);

    auto* box = new QVBoxLayout(this);
    box->addWidget(TitleLbl);
    box->addWidget(CountLbl);
    box->addWidget(NoteLbl);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(CloseBtn);
    row->addStretch();
    box->addLayout(row);
    resize(480, 220);
}

int RunTestProgram(int argc, char** argv, const std::function<QString(TCompiledTestFile&)>& load)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quendra"));
    TCompiledTestFile test;
    QString name;
    try {
        name = load(test);
    } catch (const EQuendraError& e) {
        ShowError(e.Message());
        return 1;
    } catch (const std::exception& e) {
        ShowError(QString::fromLocal8Bit(e.what()));
        return 1;
    }
    TTestSummaryForm form(test, name);
    form.show();
    return app.exec();
}
