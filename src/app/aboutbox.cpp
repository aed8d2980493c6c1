#include "app/aboutbox.h"

#include "app/quizaboutform.h"
#include "app/tutorial.h"
#include "platform/modal.h"

#include <QCoreApplication>
#include <cstring>

TAboutSpec ToolAboutSpec()
{
    TAboutSpec about;
    std::memset(&about, 0, sizeof about);
    about.ShowWhen = 0;
    about.Caption = QStringLiteral("Quendra");
    about.ProgramName = QStringLiteral("    Quendra Ver 2.5");
    about.VersionText = QStringLiteral(" for Windows 98 and Windows 95");
    about.AuthorText = QStringLiteral("The Quendra developers");
    about.Comment[0] = QCoreApplication::translate("About", "Quendra creates multi-media multiple-choice Tests.");
    about.Comment[1] = QCoreApplication::translate("About", "It was released in June 2000. If it is more than a");
    about.Comment[2] = QCoreApplication::translate("About", "year old, check our Web Site for a later version. You ");
    about.Comment[3] = QCoreApplication::translate("About", "can also find free Educational Programs there.");
    return about;
}

void ShowAboutBox()
{
    TQuizaboutform form;
    ShowModal(form);
}
