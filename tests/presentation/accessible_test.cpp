// Every control of the presentation forms carries an accessible name, and
// a control with a caption is named by it.
#include "harness.h"

#include "presentation/cfgdesignbackform.h"
#include "presentation/commandtypeform.h"
#include "presentation/designaboutform.h"
#include "presentation/helpfileform.h"
#include "presentation/progconfigform.h"
#include "presentation/formkit.h"
#include "presentation/changetextform.h"
#include "presentation/hypentryform.h"
#include "presentation/hyptextadjform.h"
#include "presentation/intdesignbackform.h"
#include "presentation/introdesignform.h"
#include "presentation/introentryform.h"
#include "presentation/vpadjustform.h"
#include "presentation/vpdesigntitleform.h"
#include "presentation/exe2choiceform.h"
#include "presentation/exechoiceform.h"
#include "presentation/getaudioform.h"
#include "presentation/getexeform.h"
#include "presentation/getgraphicform.h"
#include "presentation/getgraudioform.h"
#include "presentation/gethtmform.h"
#include "presentation/getmidiform.h"
#include "presentation/getvideoform.h"
#include "presentation/getwinexeform.h"
#include "runtime/intdispform.h"
#include "runtime/showhtextform.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTextEdit>
#include <memory>

namespace {

class AccessibleTest : public QuendraTest {};

QStringList Unnamed(QWidget& form)
{
    QStringList out;
    for (QWidget* w : form.findChildren<QWidget*>()) {
        const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w)
                             || qobject_cast<QComboBox*>(w) || qobject_cast<QListWidget*>(w)
                             || qobject_cast<QTextEdit*>(w);
        if (!control || w->objectName().isEmpty() || w->objectName().startsWith(u"qt_"))
            continue;
        if (w->accessibleName().isEmpty())
            out << w->objectName();
        if (auto* b = qobject_cast<QAbstractButton*>(w); b && b->text().size() > 2) {
            if (w->accessibleName() != AccessibleCaption(b->text()))
                out << w->objectName() + QStringLiteral(" named \"") + w->accessibleName() + u'"';
        }
    }
    return out;
}

TEST_F(AccessibleTest, EveryControlIsNamed)
{
    std::vector<std::unique_ptr<QWidget>> forms;
    forms.emplace_back(new THypEntryForm(DisplayModeText));
    forms.emplace_back(new THypEntryForm(DisplayModeGraphicText));
    forms.emplace_back(new TIntroEntryForm);
    forms.emplace_back(new TIntroDesignForm);
    forms.emplace_back(new TVPDesignTitleForm(TVPDesignTitleForm::TitleBar));
    forms.emplace_back(new TChangeTextForm);
    forms.emplace_back(new TIntDesignBackForm);
    forms.emplace_back(new TCFGDesignBackForm);
    forms.emplace_back(new TVPAdjustForm);
    forms.emplace_back(new THypTextAdjForm);
    forms.emplace_back(new TIntDispForm);
    forms.emplace_back(new TShowHTextForm);
    forms.emplace_back(new TProgConfigForm);
    forms.emplace_back(new TCommandTypeForm(QStringLiteral(" Opening Command Type "), 420, true));
    forms.emplace_back(new THelpfileForm);
    forms.emplace_back(new TDesignAboutForm);
    forms.emplace_back(new TGetGraphicForm);
    forms.emplace_back(new TGetAudioForm);
    forms.emplace_back(new TGetGrAudioForm);
    forms.emplace_back(new TGetMidiForm);
    forms.emplace_back(new TGetVideoForm);
    forms.emplace_back(new TGetExeForm);
    forms.emplace_back(new TGetWinExeForm);
    forms.emplace_back(new TGetHTMForm);
    forms.emplace_back(new TExeChoiceForm);
    forms.emplace_back(new TExe2ChoiceForm);
    for (auto& f : forms)
        EXPECT_EQ(Unnamed(*f).join(QStringLiteral(", ")).toStdString(), "") << f->metaObject()->className();
}

} // namespace
