#pragma once
// Scripted answers for modal forms, message boxes and common dialogs.
//
// In a normal run nothing here is active and every form really shows. Tests
// activate the script: then every modal form, message box and common dialog
// takes the next answer queued for it, and one that nothing was queued for
// reports a failure at once (with its class name or text) and answers as if
// cancelled, so a test never hangs on a window nobody will close.

#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>

class QDialog;

namespace TestScript {

// Called with a description of a window that no test scripted.
using FailureHook = std::function<void(const QString& what)>;

void Activate(FailureHook onUnscripted);
void Deactivate();
bool Active();

// Reports an unscripted window through the hook (no-op when inactive).
void Fail(const QString& what);

// ---- modal forms: ShowModal runs the next handler queued for the form's
// class name (QMetaObject::className, e.g. "TMakeDirForm"). The handler sets
// controls and closes the form (accept()/reject() or a button click); a form
// still open after its handler is rejected and reported.
using ModalHandler = std::function<void(QDialog&)>;
void OnModal(const QString& className, ModalHandler handler);

// ---- message boxes: answers for ShowError/ShowInfo (any value), Confirm
// (true = Yes) and YesNoCancel (the button code).
struct TShownMessage {
    QString Kind;   // "Error", "Information", "Confirm", "YesNoCancel"
    QString Text;
};
// onShown, when given, runs as the box would appear (to check the state then).
void AnswerMessage(const QString& kind, int answer = 0,
                   std::function<void(const QString& text)> onShown = {});
QList<TShownMessage>& ShownMessages();

// ---- generic answer queues by channel ("open", "save", "colour", "font",
// "print", "printsetup", "find", "replace", ...). A dialog routine takes the
// next answer of its channel; an invalid QVariant means "cancelled".
void Answer(const QString& channel, const QVariant& value);
// False (after reporting) when nothing was queued.
bool TakeAnswer(const QString& channel, QVariant& value);
// Requests made on channels, for tests to inspect ("help" logs help opens).
void Log(const QString& channel, const QString& text);
QStringList Logged(const QString& channel);

// Everything queued and not consumed, for the fixture's TearDown check.
QStringList Unconsumed();
void Clear();

// Internal to the platform layer.
bool TakeModal(const QString& className, ModalHandler& handler);
bool TakeMessage(const QString& kind, const QString& text, int& answer);

} // namespace TestScript
